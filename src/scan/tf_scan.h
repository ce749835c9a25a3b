#pragma once

#include "widgets/designed_window.h"

#include <QWidget>

class QProgressBar;

namespace quillox::widgets {
class PictureButton;
}

namespace quillox::scan {

// The scan preview: the waiting picture while the scanner's window is open, then the page the
// scanner delivered, stretched to the window. A bar shows a memory transfer's progress.
class TfScan : public widgets::DesignedWindow<QWidget> {
    Q_OBJECT

public:
    explicit TfScan(QWidget* owner);

    void FormShow() override;
    // Puts the page in; a page put in while the window is hidden stays when it is shown.
    void ShowPage(const QImage& page);
    // Rows received of a transfer running, or the bar hidden when total is not above 0.
    void ShowProgress(int current, int total);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void fitOuterSize();

    widgets::PictureButton* Image1;
    QProgressBar* Progress;
    bool pageWaiting_ = false;
    bool framePending_ = false;
};

} // namespace quillox::scan
