#pragma once

#include <QColor>
#include <QImage>

namespace quillox::artwork {

// The colour that the windows treat as transparent in the confirm and cancel pictures: it
// fills the corners and occurs nowhere on the button itself.
QColor buttonKeyColour();

// The confirm and cancel pictures: a tick and a cross on a round white button, 332 x 332,
// on the key colour.
QImage okButton();
QImage cancelButton();

} // namespace quillox::artwork
