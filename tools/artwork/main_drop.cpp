#include "drawing_kit.h"
#include "filing_shapes.h"
#include "main_pictures.h"
#include "picture_card.h"
#include "soft_shadow.h"

#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr qreal middle = 338.5;

void paintFallingSheet(QPainter& painter) {
    painter.save();
    painter.translate(middle, 390);
    painter.rotate(-7);
    const QRectF page(-125, -165, 250, 330);
    paintSoftShadow(painter, roundedRectPath(page, 22), {26, 30, 0.28});
    paintWrittenSheet(painter, page, 5, 18);
    painter.restore();
}

QPainterPath downArrow() {
    return polygonPath({{middle - 38, 400},
                        {middle + 38, 400},
                        {middle + 38, 520},
                        {middle + 92, 520},
                        {middle, 630},
                        {middle - 92, 520},
                        {middle - 38, 520}});
}

} // namespace

QImage mainDropPicture() {
    const Hue& hue = blueHue();
    return pictureCard(hue, [&hue](QPainter& painter) {
        painter.fillPath(roundedRectPath(QRectF(100, 556, 477, 150), 28), hue.deep);
        paintFallingSheet(painter);

        // A white outline parts the arrow from the sheet and the tray it points into.
        painter.strokePath(downArrow(), roundPen(paper(), 40));
        fillRounded(painter, downArrow(), hue.main, 12);

        const QPainterPath front = polygonPath({{70, 626}, {607, 626}, {567, 792}, {110, 792}});
        fillRounded(painter, front, hue.main, 24);
        paintLabelHolder(painter, QRectF(254, 680, 169, 56), hue);
    });
}

} // namespace quillox::artwork
