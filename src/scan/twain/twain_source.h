#pragma once

#include "scan/twain/twain_identity.h"

namespace quillox::twain {

class TTwainComponent;

enum TTwainTransferMode { ttmFile, ttmNative, ttmMemory };

// One data source as the manager reported it: opened, enabled and disabled through the
// manager on behalf of the component.
class TTwainSource : public TTwainIdentity {
public:
    TTwainSource(TTwainComponent& owner, int index, TTwainTransferMode mode);
    // Closes the source first.
    ~TTwainSource() override;
    TTwainSource(const TTwainSource&) = delete;
    TTwainSource& operator=(const TTwainSource&) = delete;

    bool LoadSource();
    bool UnloadSource();
    bool Loaded() const { return fLoaded; }
    void SetLoaded(bool loaded);

    bool EnableSource(bool showUI, bool modal);
    bool DisableSource();
    bool Enabled() const { return fEnabled; }
    void SetEnabled(bool enabled);

    bool ShowUI() const { return fShowUI; }
    void SetShowUI(bool value) { fShowUI = value; }
    bool Modal() const { return fModal; }
    void SetModal(bool value) { fModal = value; }
    int Index() const { return fIndex; }
    TTwainTransferMode TransferMode() const { return fTransferMode; }
    void SetTransferMode(TTwainTransferMode mode) { fTransferMode = mode; }
    TW_IDENTITY* SourceIdentity() { return &Structure; }
    TTwainComponent& Component() const { return fOwner; }

    // The transfers the source still holds, as it answers; 0 when it is not open or does not
    // answer.
    int PendingXfers();

    // The source's condition code, 0 when it is not open.
    TW_UINT16 GetReturnStatus();

    // A triplet sent to this source through the manager.
    TW_UINT16 Send(TW_UINT32 dg, TW_UINT16 dat, TW_UINT16 msg, void* data);

private:
    void NegotiateTransferMechanism();

    TTwainComponent& fOwner;
    int fIndex;
    TTwainTransferMode fTransferMode;
    bool fShowUI = true;
    bool fModal = true;
    bool fEnabled = false;
    bool fLoaded = false;
};

} // namespace quillox::twain
