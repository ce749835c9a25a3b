#include "filing_shapes.h"

#include "drawing_kit.h"

#include <QPainter>

namespace quillox::artwork {

QPainterPath folderBack(const QRectF& body, qreal tabWidth, qreal tabHeight, qreal radius) {
    const QRectF tab(body.left(), body.top() - tabHeight, tabWidth, tabHeight * 2);
    return roundedRectPath(body, radius).united(roundedRectPath(tab, radius));
}

QPainterPath openFolderFront(const QRectF& body, qreal leftTop, qreal rightTop, qreal radius) {
    QPainterPath front;
    front.moveTo(body.left(), leftTop + radius);
    front.quadTo(body.left(), leftTop, body.left() + radius, leftTop - 1);
    front.lineTo(body.right() - radius, rightTop + 1);
    front.quadTo(body.right(), rightTop, body.right(), rightTop + radius);
    front.lineTo(body.right(), body.bottom() - radius);
    front.quadTo(body.right(), body.bottom(), body.right() - radius, body.bottom());
    front.lineTo(body.left() + radius, body.bottom());
    front.quadTo(body.left(), body.bottom(), body.left(), body.bottom() - radius);
    front.closeSubpath();
    return front;
}

void paintLabelHolder(QPainter& painter, const QRectF& holder, const Hue& hue) {
    const qreal frame = holder.height() * 2 / 7;
    const QRectF label = holder.adjusted(frame, frame, -frame, -frame);
    painter.fillPath(roundedRectPath(holder, frame), hue.tint);
    painter.fillPath(roundedRectPath(label, label.height() / 2), paper());
}

void paintWrittenSheet(QPainter& painter, const QRectF& page, int lines, qreal weight) {
    painter.save();
    painter.setPen(roundPen(rim(), weight * 0.375));
    painter.setBrush(paper());
    painter.drawRoundedRect(page, weight * 1.25, weight * 1.25);
    painter.setPen(roundPen(rim().darker(108), weight));
    const qreal margin = weight * 2.5;
    for (int line = 0; line < lines; ++line) {
        const qreal y = page.top() + weight * 3.5 + line * weight * 2.75;
        const qreal shorten = (line % 3 == 2) ? page.width() * 19 / 40 : 0;
        painter.drawLine(QPointF(page.left() + margin, y),
                         QPointF(page.right() - margin - shorten, y));
    }
    painter.restore();
}

} // namespace quillox::artwork
