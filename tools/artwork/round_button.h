#pragma once

#include <QColor>
#include <QImage>
#include <QSize>
#include <functional>

class QPainter;

namespace quillox::artwork {

// The colour that the windows treat as transparent in the button pictures: it fills the
// corners and occurs nowhere on the button itself.
QColor buttonKeyColour();

// Paints a button's sign with the origin at the middle of the button's face; the face is a
// white disc of radius 146.
using SignPainter = std::function<void(QPainter&)>;

// A round white button carrying the sign, centred on a picture of the given size filled with
// the key colour. The picture is 24-bit true colour.
QImage roundButton(QSize size, const SignPainter& paintSign);

} // namespace quillox::artwork
