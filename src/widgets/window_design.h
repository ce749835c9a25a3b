#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <initializer_list>
#include <utility>

class QObject;
class QWidget;

namespace quillox::widgets {

enum class Border { Fixed, Resizable };

// Gives a window its designed caption and client size. A fixed border cannot be resized, and
// its title bar has only the close box.
void applyWindowDesign(QWidget& window, const QString& caption, QSize clientSize, Border border);

// A font of the design, its size given in pixels.
QFont designFont(const QString& family, int pixelSize);

// Gives a window's controls their designed names, by which tests and accessibility tools find
// them without the window handing out its members.
void nameControls(std::initializer_list<std::pair<QObject*, const char*>> controls);

} // namespace quillox::widgets
