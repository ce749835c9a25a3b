#pragma once

#include "sane_manager/capability_answers.h"
#include "sane_manager/sane_devices.h"
#include "sane_manager/scan_run.h"
#include "sane_manager/source_dialog.h"
#include "scan/twain/twain_protocol.h"

#include <atomic>
#include <memory>
#include <optional>

class QObject;

namespace quillox::sane_manager {

// An open SANE device as a TWAIN source: its dialog, its scans and the triplets the
// application sends it. Every call comes on the application's thread; only the scan runs on
// its own.
class SaneSource {
public:
    SaneSource(SANE_Handle handle, SaneDevice device);
    ~SaneSource();
    SaneSource(const SaneSource&) = delete;
    SaneSource& operator=(const SaneSource&) = delete;

    twain::TW_UINT16 Answer(twain::TW_UINT16 dat, twain::TW_UINT16 msg, void* data,
                            twain::TW_UINT16& condition);

private:
    twain::TW_UINT16 Enable(const twain::TW_USERINTERFACE& ui, twain::TW_UINT16& condition);
    void Disable();
    twain::TW_UINT16 SetTransferMechanism(const twain::TW_CAPABILITY& request,
                                          twain::TW_UINT16& condition);
    twain::TW_UINT16 ProcessEvent(twain::TW_EVENT& event);
    twain::TW_UINT16 Pending(twain::TW_UINT16 msg, twain::TW_PENDINGXFERS& pending,
                             twain::TW_UINT16& condition);
    twain::TW_UINT16 Transfer(twain::TW_UINT16 dat, void* data, twain::TW_UINT16& condition);
    void Scan(const ScanSettings& settings);
    void Cancel();
    void StartRun();
    void EndRun();
    // Wakes the application so that it asks for its messages at once, as a window message does
    // elsewhere. Any thread.
    void Wake();

    SANE_Handle handle_;
    SaneDevice device_;
    bool enabled_ = false;
    bool showUI_ = false;
    QObject* parent_ = nullptr;
    std::unique_ptr<SourceDialog> dialog_;
    std::unique_ptr<ScanRun> run_;
    std::optional<CapabilityAnswers> answersWhileScanning_;
    // What the application set; TWAIN's default is native.
    twain::TW_UINT16 transferMechanism_ = twain::TWSX_NATIVE;
    bool feeder_ = false;
    bool transferReady_ = false; // told the application; its transfers may come
    bool closeRequested_ = false;
};

} // namespace quillox::sane_manager
