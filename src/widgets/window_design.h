#pragma once

#include <QFont>
#include <QSize>
#include <QString>

class QWidget;

namespace quillox::widgets {

enum class Border { Fixed, Resizable };

// Gives a window its designed caption and client size. A fixed border cannot be resized, and
// its title bar has only the close box.
void applyWindowDesign(QWidget& window, const QString& caption, QSize clientSize, Border border);

// A font of the design, its size given in pixels.
QFont designFont(const QString& family, int pixelSize);

} // namespace quillox::widgets
