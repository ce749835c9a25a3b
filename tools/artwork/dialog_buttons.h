#pragma once

#include <QImage>

namespace quillox::artwork {

// The confirm and cancel pictures of the dialogs: a tick and a cross on a round white button,
// 332 x 332, on the key colour.
QImage okButton();
QImage cancelButton();

} // namespace quillox::artwork
