#include "tf_scan.h"

#include "window_design.h"

namespace quillox::scan {

TfScan::TfScan(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Scan Result", {635, 573}, widgets::Border::Resizable);
}

} // namespace quillox::scan
