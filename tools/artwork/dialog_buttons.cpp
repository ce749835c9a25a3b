#include "dialog_buttons.h"

#include "drawing_kit.h"
#include "palette.h"
#include "round_button.h"

#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr QSize buttonSize(332, 332);

} // namespace

QImage okButton() {
    return roundButton(buttonSize, [](QPainter& painter) {
        painter.setPen(roundPen(greenHue().main, 30));
        painter.drawPolyline(QPolygonF({{-62, 4}, {-20, 46}, {64, -44}}));
    });
}

QImage cancelButton() {
    return roundButton(buttonSize, [](QPainter& painter) {
        painter.setPen(roundPen(redHue().main, 30));
        painter.drawLine(QPointF(-50, -50), QPointF(50, 50));
        painter.drawLine(QPointF(-50, 50), QPointF(50, -50));
    });
}

} // namespace quillox::artwork
