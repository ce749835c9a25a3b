#include "scan/tf_scan.h"

#include "widgets/artwork.h"
#include "widgets/picture_button.h"
#include "widgets/window_design.h"

#include <QProgressBar>

namespace quillox::scan {
namespace {

const QSize outerSize(690, 900);

} // namespace

TfScan::TfScan(QWidget* owner) : DesignedWindow(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Scan Result", {635, 573}, widgets::Border::Resizable);
    setFont(widgets::designFont("Tahoma", 11));
    Image1 = new widgets::PictureButton(this);
    Image1->SetPicture(artwork::waitImage);
    Progress = new QProgressBar(this);
    Progress->setTextVisible(true);
    Progress->hide();
    widgets::nameControls({{Image1, "Image1"}, {Progress, "Progress"}});
}

void TfScan::FormShow() {
    fitOuterSize();
    if (!pageWaiting_)
        Image1->SetPicture(artwork::waitImage);
    pageWaiting_ = false;
}

void TfScan::ShowPage(const QImage& page) {
    Image1->SetPicture(page);
    pageWaiting_ = !isVisible();
    ShowProgress(0, 0);
    // Painted at once, as the progress bar paints itself during the transfer: on X11 an update
    // queued behind those immediate repaints was painted but never shown.
    Image1->repaint();
}

void TfScan::ShowProgress(int current, int total) {
    Progress->setVisible(total > 0);
    if (total > 0) {
        Progress->setRange(0, total);
        Progress->setValue(std::min(current, total));
    }
}

// The outer size includes the frame. A window manager frames the window only after it is
// mapped the first time, and the window moves into its frame then; until that move the frame
// counts as nothing.
void TfScan::fitOuterSize() {
    const QSize frame = frameGeometry().size() - size();
    resize(outerSize - frame);
    framePending_ = frame.isNull();
}

void TfScan::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (framePending_ && frameGeometry().size() != size())
        fitOuterSize();
}

void TfScan::resizeEvent(QResizeEvent* event) {
    Image1->setGeometry(rect());
    Progress->setGeometry(10, height() - 34, width() - 20, 24);
    QWidget::resizeEvent(event);
}

} // namespace quillox::scan
