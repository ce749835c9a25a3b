#include "widgets/copy_progress_dialog.h"

#include <QProgressDialog>

namespace quillox::widgets {

CopyProgressDialog::CopyProgressDialog(QWidget* owner, QString caption)
    : owner_(owner), caption_(std::move(caption)) {}

CopyProgressDialog::~CopyProgressDialog() = default;

platform::CopyProgress CopyProgressDialog::progress() {
    return [this](qint64 copied, qint64 total) { return advance(copied, total); };
}

// The dialog is made at the first chunk, so that its half second counts from the copy's start.
bool CopyProgressDialog::advance(qint64 copied, qint64 total) {
    if (!dialog_) {
        dialog_ = std::make_unique<QProgressDialog>(caption_, "Cancel", 0, 1000, owner_);
        dialog_->setWindowTitle("Quillox");
        dialog_->setWindowModality(Qt::WindowModal);
        dialog_->setMinimumDuration(500);
        dialog_->setValue(0);
    }
    dialog_->setValue(total > 0 ? static_cast<int>(copied * 1000 / total) : 1000);
    return !dialog_->wasCanceled();
}

} // namespace quillox::widgets
