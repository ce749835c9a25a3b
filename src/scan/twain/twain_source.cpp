#include "scan/twain/twain_source.h"

#include "scan/twain/twain_component.h"
#include "scan/twain/typed_capabilities.h"

namespace quillox::twain {

TTwainSource::TTwainSource(TTwainComponent& owner, int index, TTwainTransferMode mode)
    : TTwainIdentity(&owner), fOwner(owner), fIndex(index), fTransferMode(mode) {}

TTwainSource::~TTwainSource() {
    UnloadSource();
}

TW_UINT16 TTwainSource::Send(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data) {
    return fOwner.Send(&Structure, dg, dat, msg, data);
}

bool TTwainSource::LoadSource() {
    if (fLoaded)
        return true;
    fLoaded =
        fOwner.Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_OPENDS, &Structure) == TWRC_SUCCESS;
    if (fLoaded)
        fOwner.SourceOpened();
    return fLoaded;
}

bool TTwainSource::UnloadSource() {
    if (!fLoaded)
        return true;
    DisableSource();
    const bool closed =
        fOwner.Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_CLOSEDS, &Structure) == TWRC_SUCCESS;
    if (closed)
        fOwner.SourceClosed();
    fLoaded = false;
    return closed;
}

void TTwainSource::SetLoaded(bool loaded) {
    if (loaded != fLoaded)
        loaded ? LoadSource() : UnloadSource();
}

bool TTwainSource::EnableSource(bool showUI, bool modal) {
    if (!fLoaded || fEnabled)
        return fEnabled;
    NegotiateTransferMechanism();
    TW_USERINTERFACE ui{TW_BOOL(showUI ? 0xFFFF : 0), TW_BOOL(modal ? 0xFFFF : 0),
                        fOwner.VirtualWindow()};
    fOwner.StartPolling();
    const TW_UINT16 result = Send(DG_CONTROL, DAT_USERINTERFACE, MSG_ENABLEDS, &ui);
    fEnabled = result == TWRC_SUCCESS || result == TWRC_CHECKSTATUS;
    return fEnabled;
}

// A source transfers natively until told otherwise, and may refuse to be told so: a memory
// transfer it refuses becomes a native one. A file transfer is set up by its own handler.
void TTwainSource::NegotiateTransferMechanism() {
    if (fTransferMode == ttmMemory && SetIXferMech(*this, TWSX_MEMORY) != crSuccess)
        fTransferMode = ttmNative;
    if (fTransferMode == ttmNative)
        SetIXferMech(*this, TWSX_NATIVE);
}

bool TTwainSource::DisableSource() {
    bool result = true;
    if (fLoaded && fEnabled) {
        TW_USERINTERFACE ui{0, 0, fOwner.VirtualWindow()};
        result = Send(DG_CONTROL, DAT_USERINTERFACE, MSG_DISABLEDS, &ui) == TWRC_SUCCESS;
        fEnabled = false;
        fOwner.StopPolling();
        if (result && fOwner.OnSourceDisable)
            fOwner.OnSourceDisable(fOwner, fIndex);
        return result;
    }
    fEnabled = false;
    fOwner.StopPolling();
    return result;
}

void TTwainSource::SetEnabled(bool enabled) {
    if (!fLoaded || enabled == fEnabled)
        return;
    enabled ? EnableSource(fShowUI, fModal) : DisableSource();
}

int TTwainSource::PendingXfers() {
    TW_PENDINGXFERS pending{};
    if (!fLoaded || Send(DG_CONTROL, DAT_PENDINGXFERS, MSG_GET, &pending) != TWRC_SUCCESS)
        return 0;
    return pending.Count == 0xFFFF ? -1 : pending.Count;
}

TW_UINT16 TTwainSource::GetReturnStatus() {
    if (!fLoaded)
        return 0;
    TW_STATUS status{};
    Send(DG_CONTROL, DAT_STATUS, MSG_GET, &status);
    return status.ConditionCode;
}

} // namespace quillox::twain
