#include "tf_new_doc.h"

#include "window_design.h"

namespace quillox::filing {

TfNewDoc::TfNewDoc(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Quillox - Import your documents here!", {344, 462},
                               widgets::Border::Fixed);
}

} // namespace quillox::filing
