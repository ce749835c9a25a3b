#include "tf_new_dir.h"

#include "window_design.h"

namespace quillox::filing {

TfNewDir::TfNewDir(QWidget* owner) : QWidget(owner, Qt::Window) {
    widgets::applyWindowDesign(*this, "Quillox - Create your new folder!", {1009, 421},
                               widgets::Border::Fixed);
}

} // namespace quillox::filing
