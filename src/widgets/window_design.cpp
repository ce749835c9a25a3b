#include "widgets/window_design.h"

#include <QWidget>

namespace quillox::widgets {

void applyWindowDesign(QWidget& window, const QString& caption, QSize clientSize, Border border) {
    window.setWindowTitle(caption);
    if (border == Border::Fixed) {
        window.setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowCloseButtonHint);
        window.setFixedSize(clientSize);
    } else {
        window.resize(clientSize);
    }
}

QFont designFont(const QString& family, int pixelSize) {
    QFont font(family);
    font.setPixelSize(pixelSize);
    return font;
}

void nameControls(std::initializer_list<std::pair<QObject*, const char*>> controls) {
    for (const auto& [control, name] : controls)
        control->setObjectName(QString::fromLatin1(name));
}

} // namespace quillox::widgets
