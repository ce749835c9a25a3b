#include "browse_buttons.h"

#include "drawing_kit.h"
#include "filing_shapes.h"
#include "palette.h"
#include "round_button.h"
#include "symbol_painters.h"

#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr QSize squareSize(332, 332);
constexpr qreal signWeight = 30;

// A folder sitting up and to the left, leaving the lower right to a badge that says what
// happens to it: a white plus, turned by `degrees` (45 makes it a cross).
void paintFolderWithBadge(QPainter& painter, const Hue& badgeHue, qreal degrees) {
    const Hue& folder = yellowHue();
    const QRectF body(-90, -60, 144, 104);
    painter.fillPath(folderBack(body, 60, 20, 16), folder.deep);
    painter.fillPath(roundedRectPath(body.adjusted(0, 26, 0, 0), 16), folder.main);
    const QPointF badge(44, 36);
    painter.fillPath(circlePath(badge, 50), paper());
    painter.fillPath(circlePath(badge, 40), badgeHue.main);
    painter.translate(badge);
    painter.rotate(degrees);
    painter.setPen(roundPen(paper(), 14));
    painter.drawLine(QPointF(-20, 0), QPointF(20, 0));
    painter.drawLine(QPointF(0, -20), QPointF(0, 20));
}

} // namespace

QImage searchButton() {
    return roundButton(QSize(331, 333), [](QPainter& painter) {
        const Hue& hue = blueHue();
        const QPointF lens(-18, -18);
        painter.fillPath(circlePath(lens, 46), hue.tint);
        painter.setPen(roundPen(hue.main, 26));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(lens, 46, 46);
        painter.setPen(roundPen(hue.main, 36));
        painter.drawLine(QPointF(26, 26), QPointF(62, 62));
    });
}

QImage addFolderButton() {
    return roundButton(QSize(332, 333),
                       [](QPainter& painter) { paintFolderWithBadge(painter, greenHue(), 0); });
}

QImage deleteFolderButton() {
    return roundButton(squareSize,
                       [](QPainter& painter) { paintFolderWithBadge(painter, redHue(), 45); });
}

QImage upButton() {
    return roundButton(squareSize, [](QPainter& painter) {
        painter.setPen(roundPen(blueHue().main, signWeight));
        painter.drawLine(QPointF(0, 64), QPointF(0, -56));
        painter.drawPolyline(QPolygonF({{-54, -4}, {0, -58}, {54, -4}}));
    });
}

QImage backButton() {
    // The house of the folder icons, grown to the size of the other signs.
    return roundButton(squareSize, [](QPainter& painter) {
        painter.scale(2.5, 2.5);
        painter.translate(-50, -52);
        paintHouse(painter, blueHue());
    });
}

QImage closeButton() {
    return roundButton(squareSize, [](QPainter& painter) {
        const Hue& hue = blueHue();
        painter.setPen(roundPen(hue.deep, 24));
        painter.drawPolyline(
            QPolygonF({{0, -34}, {0, -64}, {-66, -64}, {-66, 64}, {0, 64}, {0, 34}}));
        painter.setPen(roundPen(hue.main, signWeight));
        painter.drawLine(QPointF(-30, 0), QPointF(66, 0));
        painter.drawPolyline(QPolygonF({{34, -34}, {68, 0}, {34, 34}}));
    });
}

} // namespace quillox::artwork
