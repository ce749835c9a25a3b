#include "scan/twain/twain_component.h"

#include "platform/handler_guard.h"
#include "scan/twain/image_transfers.h"
#include "scan/twain/twain_message.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDateTime>
#include <QEvent>
#include <cstring>

namespace quillox::twain {
namespace {

// The null message the polling timer sends, so that the sources are asked at least ten times
// a second even when nothing else arrives.
const QEvent::Type nullMessage = QEvent::Type(QEvent::registerEventType());
constexpr std::uint32_t WM_NULL = 0;

} // namespace

TTwainComponent::TTwainComponent(QObject* owner) : QObject(owner), virtualWindow_(&messageTarget_) {
    fMessagesTimer.setInterval(100);
    connect(&fMessagesTimer, &QTimer::timeout, this, [this] {
        QEvent null(nullMessage);
        QCoreApplication::sendEvent(&messageTarget_, &null);
    });
    messageTarget_.installEventFilter(this);
}

TTwainComponent::~TTwainComponent() {
    messageTarget_.removeEventFilter(this);
    SetLibraryLoaded(false);
    ClearDeviceList();
}

TW_UINT16 TTwainComponent::Send(TW_IDENTITY* destination, TW_UINT32 dg, TW_UINT16 dat,
                                TW_UINT16 msg, void* data) {
    if (!library_.Entry())
        return TWRC_FAILURE;
    return library_.Entry()(&fInfo.Structure, destination, dg, dat, msg, data);
}

bool TTwainComponent::LoadLibrary() {
    if (fLibraryLoaded)
        return true;
    fLibraryLoaded = library_.Load(libraryFolders_);
    return fLibraryLoaded;
}

bool TTwainComponent::UnloadLibrary() {
    bool released = true;
    if (fLibraryLoaded) {
        SetSourceManagerLoaded(false);
        released = library_.Unload();
    }
    fLibraryLoaded = false;
    fMessagesTimer.stop();
    return released;
}

void TTwainComponent::SetLibraryLoaded(bool loaded) {
    if (loaded != fLibraryLoaded)
        loaded ? LoadLibrary() : UnloadLibrary();
}

bool TTwainComponent::LoadSourceManager() {
    if (fLibraryLoaded && !fSourceManagerLoaded)
        fSourceManagerLoaded =
            Send(nullptr, DG_CONTROL, DAT_PARENT, MSG_OPENDSM, &virtualWindow_) == TWRC_SUCCESS;
    return fSourceManagerLoaded;
}

bool TTwainComponent::UnloadSourceManager(bool forced) {
    if (!fLibraryLoaded || !fSourceManagerLoaded)
        return true;
    ClearDeviceList();
    const bool closed = forced || Send(nullptr, DG_CONTROL, DAT_PARENT, MSG_CLOSEDSM,
                                       &virtualWindow_) == TWRC_SUCCESS;
    if (closed)
        fSourceManagerLoaded = false;
    return closed;
}

void TTwainComponent::SetSourceManagerLoaded(bool loaded) {
    if (fLibraryLoaded && loaded != fSourceManagerLoaded)
        loaded ? LoadSourceManager() : UnloadSourceManager(false);
}

bool TTwainComponent::EnumerateDevices() {
    if (!fLibraryLoaded || !fSourceManagerLoaded)
        return false;
    ClearDeviceList();
    auto source = std::make_unique<TTwainSource>(*this, 0, fTransferMode);
    TW_UINT16 result = Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETFIRST, &source->Structure);
    while (result == TWRC_SUCCESS) {
        DeviceList.Add(source.release());
        source = std::make_unique<TTwainSource>(*this, DeviceList.Count(), fTransferMode);
        result = Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETNEXT, &source->Structure);
    }
    fHasEnumerated = true;
    return true;
}

void TTwainComponent::ClearDeviceList() {
    for (int i = 0; i < DeviceList.Count(); ++i)
        delete static_cast<TTwainSource*>(DeviceList.Stored(i));
    DeviceList.Clear();
    fHasEnumerated = false;
}

int TTwainComponent::SourceCount() {
    if (!fLibraryLoaded || !fSourceManagerLoaded)
        return 0;
    if (!fHasEnumerated)
        EnumerateDevices();
    return DeviceList.Count();
}

TW_UINT16 TTwainComponent::ManagerCondition() {
    TW_STATUS status{};
    if (!fLibraryLoaded || !fSourceManagerLoaded ||
        Send(nullptr, DG_CONTROL, DAT_STATUS, MSG_GET, &status) != TWRC_SUCCESS)
        return TWCC_SUCCESS;
    return status.ConditionCode;
}

int TTwainComponent::SelectSource() {
    if (!fLibraryLoaded || !fSourceManagerLoaded || SelectDialogDisplayed)
        return -1;
    ClearDeviceList();
    SelectDialogDisplayed = true;
    fNoSourceFound = false;
    TW_IDENTITY chosen{};
    int result = -1;
    const TW_UINT16 answer = Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_USERSELECT, &chosen);
    if (answer == TWRC_SUCCESS) {
        result = IndexOfIdentity(chosen);
    } else if (answer == TWRC_FAILURE) {
        TW_STATUS status{};
        Send(nullptr, DG_CONTROL, DAT_STATUS, MSG_GET, &status);
        if (status.ConditionCode == TWCC_BADPROTOCOL)
            result = ChooseWithoutManagerDialog(chosen);
        else
            fNoSourceFound = status.ConditionCode == TWCC_NODS;
    }
    SelectDialogDisplayed = false;
    return result;
}

// The manager has no dialog of its own: the sources it lists are offered, its default chosen
// beforehand, and the choice is taken as if the manager had returned it.
int TTwainComponent::ChooseWithoutManagerDialog(TW_IDENTITY& chosen) {
    if (!chooser_)
        return -1;
    // Only the sources the component can hand out are offered: a manager may list more.
    QStringList names;
    for (const TTwainSource* source = SourceAt(0); source; source = SourceAt(int(names.size())))
        names << source->ProductName();
    fNoSourceFound = names.isEmpty();
    if (fNoSourceFound)
        return -1;
    int preselected = 0;
    TW_IDENTITY fallback{};
    if (Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETDEFAULT, &fallback) == TWRC_SUCCESS)
        preselected = std::max(0, IndexOfIdentity(fallback));
    const int picked = chooser_(names, preselected);
    if (picked < 0 || picked >= names.size())
        return -1;
    chosen = SourceAt(picked)->Structure;
    return IndexOfIdentity(chosen);
}

TTwainSource* TTwainComponent::SourceAt(int index) {
    if (!fLibraryLoaded || !fSourceManagerLoaded)
        return nullptr;
    if (index == -1 && SourceCount() > 0) {
        TW_IDENTITY fallback{};
        if (Send(nullptr, DG_CONTROL, DAT_IDENTITY, MSG_GETDEFAULT, &fallback) != TWRC_SUCCESS)
            return static_cast<TTwainSource*>(DeviceList.Item(0));
        const int found = IndexOfIdentity(fallback);
        return found >= 0 ? static_cast<TTwainSource*>(DeviceList.Item(found)) : nullptr;
    }
    if (index < 0 || index >= SourceCount() || index > 255)
        return nullptr;
    return static_cast<TTwainSource*>(DeviceList.Item(index));
}

int TTwainComponent::IndexOfIdentity(const TW_IDENTITY& identity) {
    for (int i = 0; i < SourceCount(); ++i) {
        auto* source = static_cast<TTwainSource*>(DeviceList.Item(i));
        if (source && std::memcmp(&source->Structure, &identity, sizeof(TW_IDENTITY)) == 0)
            return i;
    }
    return -1;
}

bool TTwainComponent::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &messageTarget_ || fSourcesLoaded <= 0)
        return QObject::eventFilter(watched, event);
    const TwainMessage message{virtualWindow_,
                               event->type() == nullMessage ? WM_NULL
                                                            : std::uint32_t(event->type()),
                               0,
                               0,
                               std::uint32_t(QDateTime::currentMSecsSinceEpoch()),
                               QCursor::pos()};
    // A handler's error goes to the application's error box here, never through the toolkit.
    bool taken = false;
    platform::runHandler([&] { taken = ApplicationMessageHook(message); });
    return taken || QObject::eventFilter(watched, event);
}

bool TTwainComponent::ApplicationMessageHook(const TwainMessage& message) {
    for (int i = 0; i < SourceCount(); ++i) {
        TTwainSource* source = SourceAt(i);
        if (source && source->Loaded() && source->Enabled() && OfferMessage(*source, message))
            return true;
    }
    return false;
}

bool TTwainComponent::OfferMessage(TTwainSource& source, const TwainMessage& message) {
    TW_EVENT event{const_cast<TwainMessage*>(&message), MSG_NULL};
    if (source.Send(DG_CONTROL, DAT_EVENT, MSG_PROCESSEVENT, &event) != TWRC_DSEVENT)
        return false;
    switch (event.TWMessage) {
    case MSG_XFERREADY:
        RunTransfers(source);
        break;
    case MSG_CLOSEDSREQ:
        if (OnAcquireCancel)
            OnAcquireCancel(*this, source.Index());
        source.DisableSource();
        break;
    default:
        break;
    }
    return true;
}

TW_UINT16 TTwainComponent::TransferOne(TTwainSource& source, bool& cancel) {
    switch (source.TransferMode()) {
    case ttmNative:
        return NativeTransfer(source, cancel);
    case ttmMemory:
        return MemoryTransfer(source, cancel);
    case ttmFile:
        return FileTransfer(source, cancel);
    }
    return TWRC_FAILURE;
}

// Acknowledges the transfer in hand and drops the pending rest, so that the source can be
// disabled: after a cancel, and when a handler's error ends the burst.
static void endPendingTransfers(TTwainSource& source) {
    TW_PENDINGXFERS pending{};
    if (source.Send(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending) == TWRC_SUCCESS &&
        pending.Count != 0)
        source.Send(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending);
}

void TTwainComponent::RunTransfers(TTwainSource& source) {
    bool cancel = false;
    bool done = false;
    try {
        while (!done) {
            const TW_UINT16 result = TransferOne(source, cancel);
            if (result == TWRC_CANCEL) {
                done = true;
                endPendingTransfers(source);
                if (OnAcquireCancel)
                    OnAcquireCancel(*this, source.Index());
            } else if (result != TWRC_XFERDONE && OnAcquireError) {
                OnAcquireError(*this, source.Index(), result, source.GetReturnStatus());
            }
            if (done)
                break;
            TW_PENDINGXFERS pending{};
            done =
                source.Send(DG_CONTROL, DAT_PENDINGXFERS, MSG_ENDXFER, &pending) != TWRC_SUCCESS ||
                pending.Count == 0;
            if (!done && cancel)
                done =
                    source.Send(DG_CONTROL, DAT_PENDINGXFERS, MSG_RESET, &pending) == TWRC_SUCCESS;
        }
    } catch (...) {
        endPendingTransfers(source);
        source.SetEnabled(false);
        throw;
    }
    source.SetEnabled(false);
}

} // namespace quillox::twain
