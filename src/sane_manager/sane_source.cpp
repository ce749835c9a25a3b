#include "sane_manager/sane_source.h"

#include <cstring>

#include "sane_manager/sane_conditions.h"
#include "sane_manager/transfer_answers.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace quillox::sane_manager {

using namespace twain;

namespace {

const QEvent::Type wakeEvent = QEvent::Type(QEvent::registerEventType());

TW_UINT16 fail(TW_UINT16 why, TW_UINT16& condition) {
    condition = why;
    return TWRC_FAILURE;
}

} // namespace

SaneSource::SaneSource(SANE_Handle handle, SaneDevice device)
    : handle_(handle), device_(std::move(device)) {}

SaneSource::~SaneSource() {
    Disable();
    sane_close(handle_);
}

// Only while the source is not enabled, and only the two mechanisms it serves.
TW_UINT16 SaneSource::SetTransferMechanism(const TW_CAPABILITY& request, TW_UINT16& condition) {
    if (enabled_)
        return fail(TWCC_SEQERROR, condition);
    if (request.ConType != TWON_ONEVALUE || !request.hContainer)
        return fail(TWCC_BADVALUE, condition);
    TW_ONEVALUE value{};
    std::memcpy(&value, request.hContainer, sizeof value);
    const TW_UINT32 mechanism = value.Item & 0xFFFF;
    if (value.ItemType != TWTY_UINT16 || (mechanism != TWSX_NATIVE && mechanism != TWSX_MEMORY))
        return fail(TWCC_BADVALUE, condition);
    transferMechanism_ = TW_UINT16(mechanism);
    return TWRC_SUCCESS;
}

TW_UINT16 SaneSource::Answer(TW_UINT16 dat, TW_UINT16 msg, void* data, TW_UINT16& condition) {
    if (!data)
        return fail(TWCC_BADVALUE, condition);
    switch (dat) {
    case DAT_CAPABILITY: {
        auto& request = *static_cast<TW_CAPABILITY*>(data);
        if (msg == MSG_SET && request.Cap == ICAP_XFERMECH)
            return SetTransferMechanism(request, condition);
        if (msg != MSG_GET && msg != MSG_GETCURRENT && msg != MSG_GETDEFAULT)
            return fail(TWCC_CAPBADOPERATION, condition);
        if (answersWhileScanning_)
            return answersWhileScanning_->Answer(request, condition);
        return CapabilityAnswers(SaneOptions(handle_), transferMechanism_)
            .Answer(request, condition);
    }
    case DAT_EVENT:
        if (msg == MSG_PROCESSEVENT)
            return ProcessEvent(*static_cast<TW_EVENT*>(data));
        break;
    case DAT_USERINTERFACE:
        if (msg == MSG_ENABLEDS)
            return Enable(*static_cast<TW_USERINTERFACE*>(data), condition);
        if (msg == MSG_DISABLEDS) {
            if (!enabled_)
                return fail(TWCC_SEQERROR, condition);
            Disable();
            return TWRC_SUCCESS;
        }
        break;
    case DAT_PENDINGXFERS:
        return Pending(msg, *static_cast<TW_PENDINGXFERS*>(data), condition);
    case DAT_IMAGEINFO:
    case DAT_SETUPMEMXFER:
    case DAT_IMAGEMEMXFER:
    case DAT_IMAGENATIVEXFER:
        if (msg == MSG_GET)
            return Transfer(dat, data, condition);
        break;
    default:
        break;
    }
    return fail(TWCC_BADPROTOCOL, condition);
}

// The dialog shows and the scan waits for its Scan button; without a dialog the scan starts
// at once. A dialog asked for where the application has no windows cannot show: the scan
// starts all the same, and TWRC_CHECKSTATUS says so.
TW_UINT16 SaneSource::Enable(const TW_USERINTERFACE& ui, TW_UINT16& condition) {
    if (enabled_)
        return fail(TWCC_SEQERROR, condition);
    enabled_ = true;
    // The parent is the object the application takes its messages on.
    parent_ = static_cast<QObject*>(ui.hParent);
    showUI_ = ui.ShowUI != 0;
    if (showUI_ && qobject_cast<QApplication*>(QCoreApplication::instance())) {
        dialog_ = std::make_unique<SourceDialog>(device_, SaneOptions(handle_));
        dialog_->setWindowModality(ui.ModalUI ? Qt::ApplicationModal : Qt::NonModal);
        dialog_->onScan = [this](const ScanSettings& settings) { Scan(settings); };
        dialog_->onCancel = [this] { Cancel(); };
        // Shown once the application has finished its own answer to enabling, so that a window
        // it opens meanwhile does not cover the dialog.
        QTimer::singleShot(0, dialog_.get(), [dialog = dialog_.get()] {
            dialog->show();
            dialog->raise();
            dialog->activateWindow();
        });
        return TWRC_SUCCESS;
    }
    StartRun();
    return showUI_ ? TWRC_CHECKSTATUS : TWRC_SUCCESS;
}

void SaneSource::Disable() {
    EndRun();
    dialog_.reset();
    enabled_ = false;
    closeRequested_ = false;
    parent_ = nullptr;
}

void SaneSource::Scan(const ScanSettings& settings) {
    const std::string problem = applySettings(SaneOptions(handle_), settings);
    if (!problem.empty()) {
        dialog_->ShowProblem(QString::fromStdString(problem));
        return;
    }
    dialog_->ShowScanning();
    StartRun();
}

// Before its page is ready the scan simply stops and the application is asked to close the
// source; a transfer under way ends with TWRC_CANCEL instead, which the application answers.
// Either way the run itself ends later, outside the call that may be waiting on it now.
void SaneSource::Cancel() {
    if (run_)
        run_->cancel();
    if (!transferReady_) {
        closeRequested_ = true;
        Wake();
    }
}

void SaneSource::StartRun() {
    const SaneOptions options(handle_);
    answersWhileScanning_.emplace(options, transferMechanism_);
    feeder_ = isFeeder(options.text("source").value_or(""));
    transferReady_ = false;
    run_ = std::make_unique<ScanRun>(handle_, feeder_, options.number("resolution").value_or(0),
                                     [this] { Wake(); });
}

void SaneSource::EndRun() {
    run_.reset();
    answersWhileScanning_.reset();
    transferReady_ = false;
}

void SaneSource::Wake() {
    if (parent_ && QCoreApplication::instance())
        QCoreApplication::postEvent(parent_, new QEvent(wakeEvent));
}

TW_UINT16 SaneSource::ProcessEvent(TW_EVENT& event) {
    event.TWMessage = MSG_NULL;
    if (!enabled_)
        return TWRC_NOTDSEVENT;
    if (closeRequested_) {
        closeRequested_ = false;
        event.TWMessage = MSG_CLOSEDSREQ;
        return TWRC_DSEVENT;
    }
    if (!run_ || transferReady_)
        return TWRC_NOTDSEVENT;
    if (run_->pageStarted()) {
        transferReady_ = true;
        event.TWMessage = MSG_XFERREADY;
        return TWRC_DSEVENT;
    }
    const SANE_Status stopped = run_->stoppedBeforePage();
    if (stopped == SANE_STATUS_GOOD)
        return TWRC_NOTDSEVENT;
    // The device could not start: the dialog says why and lets the user try again.
    EndRun();
    if (dialog_)
        dialog_->ShowProblem(
            QString("The scanner could not scan: %1.").arg(sane_strstatus(stopped)));
    else
        event.TWMessage = MSG_CLOSEDSREQ;
    return TWRC_DSEVENT;
}

// A feeder's count of pages still to come is unknown, -1, until it runs empty.
TW_UINT16 SaneSource::Pending(TW_UINT16 msg, TW_PENDINGXFERS& pending, TW_UINT16& condition) {
    constexpr TW_UINT16 unknownCount = 0xFFFF;
    switch (msg) {
    case MSG_GET:
        pending.Count = transferReady_ ? (feeder_ ? unknownCount : 1) : 0;
        return TWRC_SUCCESS;
    case MSG_ENDXFER:
        if (!transferReady_)
            return fail(TWCC_SEQERROR, condition);
        switch (run_->nextPage()) {
        case ScanRun::Next::Started:
            pending.Count = unknownCount;
            break;
        case ScanRun::Next::Failed:
            pending.Count = 1; // the next transfer reports the error
            break;
        case ScanRun::Next::None:
            EndRun();
            pending.Count = 0;
            break;
        }
        return TWRC_SUCCESS;
    case MSG_RESET:
        if (!transferReady_)
            return fail(TWCC_SEQERROR, condition);
        EndRun();
        pending.Count = 0;
        return TWRC_SUCCESS;
    default:
        return fail(TWCC_BADPROTOCOL, condition);
    }
}

// Every transfer needs the page's form, its height included, which may mean waiting for it.
TW_UINT16 SaneSource::Transfer(TW_UINT16 dat, void* data, TW_UINT16& condition) {
    if (!transferReady_)
        return fail(TWCC_SEQERROR, condition);
    PageForm form;
    if (const SANE_Status status = run_->waitForm(form, true); status != SANE_STATUS_GOOD)
        return transferFailure(status, condition);
    switch (dat) {
    case DAT_IMAGEINFO:
        answerImageInfo(form, *static_cast<TW_IMAGEINFO*>(data));
        return TWRC_SUCCESS;
    case DAT_SETUPMEMXFER:
        answerSetupMemoryTransfer(form, *static_cast<TW_SETUPMEMXFER*>(data));
        return TWRC_SUCCESS;
    case DAT_IMAGEMEMXFER:
        return answerMemoryStrip(*run_, form, *static_cast<TW_IMAGEMEMXFER*>(data), condition);
    default:
        return answerNativeImage(*run_, form, *static_cast<TW_HANDLE*>(data), condition);
    }
}

} // namespace quillox::sane_manager
