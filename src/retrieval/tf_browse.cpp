#include "tf_browse.h"

#include "window_design.h"

namespace quillox::retrieval {

TfBrowse::TfBrowse(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Quillox - View your documents here!", {954, 552},
                               widgets::Border::Resizable);
}

} // namespace quillox::retrieval
