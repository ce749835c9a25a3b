#include "tf_search.h"

#include "window_design.h"

namespace quillox::retrieval {

TfSearch::TfSearch(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Quillox - Search your documents here!", {540, 490},
                               widgets::Border::Fixed);
}

} // namespace quillox::retrieval
