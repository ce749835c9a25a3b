#include "tf_about.h"

#include "window_design.h"

namespace quillox::app {

TfAbout::TfAbout(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "About", {886, 663}, widgets::Border::Resizable);
}

} // namespace quillox::app
