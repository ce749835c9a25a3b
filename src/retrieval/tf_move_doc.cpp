#include "tf_move_doc.h"

#include "window_design.h"

namespace quillox::retrieval {

TfMoveDoc::TfMoveDoc(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Move", {371, 410}, widgets::Border::Resizable);
}

} // namespace quillox::retrieval
