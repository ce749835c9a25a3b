#pragma once

#include "platform/file_copy.h"

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace quillox::widgets {

// The progress of one file copy as the user sees it: nothing for a copy that ends within half
// a second, else a window-modal dialog over the owner with the caption and a Cancel that stops
// the copy. While the dialog shows, the owner's events are served between chunks.
class CopyProgressDialog {
public:
    CopyProgressDialog(QWidget* owner, QString caption);
    ~CopyProgressDialog();
    CopyProgressDialog(const CopyProgressDialog&) = delete;
    CopyProgressDialog& operator=(const CopyProgressDialog&) = delete;

    // The function to give copyFileSafely; it lives as long as this object.
    platform::CopyProgress progress();

private:
    bool advance(qint64 copied, qint64 total);

    QWidget* owner_;
    QString caption_;
    std::unique_ptr<QProgressDialog> dialog_;
};

} // namespace quillox::widgets
