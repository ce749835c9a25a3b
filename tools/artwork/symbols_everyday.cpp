#include "drawing_kit.h"
#include "symbol_painters.h"

#include <QPainter>

namespace quillox::artwork {
namespace {

// A person seen from the front: a round head over rounded shoulders, standing on `feet`.
QPainterPath person(qreal centreX, qreal headY, qreal size, qreal feet) {
    QPainterPath figure;
    figure.addEllipse(QPointF(centreX, headY), size * 0.34, size * 0.34);
    const qreal shoulders = headY + size * 0.48;
    QPainterPath body;
    body.moveTo(centreX - size / 2, feet);
    body.lineTo(centreX - size / 2, shoulders + size / 2);
    body.arcTo(QRectF(centreX - size / 2, shoulders, size, size), 180, -180);
    body.lineTo(centreX + size / 2, feet);
    body.closeSubpath();
    return figure.united(body);
}

QPainterPath rotatedEllipse(QPointF centre, qreal width, qreal height, qreal degrees) {
    QPainterPath ellipse;
    ellipse.addEllipse(QPointF(0, 0), width / 2, height / 2);
    QTransform placement;
    placement.translate(centre.x(), centre.y());
    placement.rotate(degrees);
    return placement.map(ellipse);
}

} // namespace

void paintHouse(QPainter& painter, const Hue& hue) {
    fillRounded(painter, polygonPath({{59, 29}, {66, 29}, {66, 44}, {59, 44}}), hue.deep);
    painter.fillPath(roundedRectPath(QRectF(31, 46, 38, 30), 4), hue.main);
    painter.setPen(roundPen(hue.deep, 7));
    painter.drawPolyline(QPolygonF({{25, 51}, {50, 28}, {75, 51}}));
    painter.fillPath(roundedRectPath(QRectF(44.5, 59, 11, 17), 3), paper());
}

void paintHealth(QPainter& painter, const Hue& hue) {
    QPainterPath heart;
    heart.moveTo(50, 75);
    heart.cubicTo(44, 69, 24, 57, 24, 42);
    heart.cubicTo(24, 32, 31, 26, 38.5, 26);
    heart.cubicTo(44, 26, 48, 29.5, 50, 34);
    heart.cubicTo(52, 29.5, 56, 26, 61.5, 26);
    heart.cubicTo(69, 26, 76, 32, 76, 42);
    heart.cubicTo(76, 57, 56, 69, 50, 75);
    fillRounded(painter, heart, hue.main);
    painter.setPen(roundPen(paper(), 6.5));
    painter.drawLine(QPointF(50, 39), QPointF(50, 57));
    painter.drawLine(QPointF(41, 48), QPointF(59, 48));
}

void paintCar(QPainter& painter, const Hue& hue) {
    fillRounded(painter, polygonPath({{31, 49}, {38, 33}, {62, 33}, {70, 49}}), hue.main, 4);
    painter.fillPath(roundedRectPath(QRectF(21, 46, 58, 19), 7), hue.main);
    fillRounded(painter, polygonPath({{37.5, 46}, {41.5, 37}, {48, 37}, {48, 46}}), paper(), 2);
    fillRounded(painter, polygonPath({{52, 37}, {59, 37}, {63.5, 46}, {52, 46}}), paper(), 2);
    for (const qreal x : {35.0, 65.0}) {
        painter.fillPath(circlePath({x, 65}, 10.5), paper());
        painter.fillPath(circlePath({x, 65}, 7.5), hue.deep);
        painter.fillPath(circlePath({x, 65}, 2.5), paper());
    }
}

void paintTravel(QPainter& painter, const Hue& hue) {
    // Drawn nose up, then turned to climb towards the upper right.
    QPainterPath plane;
    plane.addRoundedRect(QRectF(-4.5, -29, 9, 56), 4.5, 4.5);
    plane.addPath(polygonPath({{-3, -7}, {-27, 8}, {-27, 13}, {-3, 7}}));
    plane.addPath(polygonPath({{3, -7}, {27, 8}, {27, 13}, {3, 7}}));
    plane.addPath(polygonPath({{-2, 17}, {-12, 24}, {-12, 27.5}, {-2, 25}}));
    plane.addPath(polygonPath({{2, 17}, {12, 24}, {12, 27.5}, {2, 25}}));
    plane.setFillRule(Qt::WindingFill);
    QTransform placement;
    placement.translate(50, 51);
    placement.rotate(45);
    fillRounded(painter, placement.map(plane.simplified()), hue.main);
}

void paintFamily(QPainter& painter, const Hue& hue) {
    painter.fillPath(person(35, 35, 20, 72), hue.main);
    painter.fillPath(person(65, 35, 20, 72), hue.main);
    const QPainterPath child = person(50, 52, 15, 72);
    painter.setPen(roundPen(paper(), 5));
    painter.drawPath(child);
    painter.fillPath(child, hue.deep);
}

void paintShopping(QPainter& painter, const Hue& hue) {
    QPainterPath handle;
    handle.moveTo(39, 47);
    handle.lineTo(39, 38);
    handle.arcTo(QRectF(39, 27, 22, 22), 180, -180);
    handle.lineTo(61, 47);
    painter.setPen(roundPen(hue.deep));
    painter.drawPath(handle);
    fillRounded(painter, polygonPath({{27, 41}, {73, 41}, {76, 76}, {24, 76}}), hue.main, 5);
    painter.fillPath(circlePath({39, 49}, 3), paper());
    painter.fillPath(circlePath({61, 49}, 3), paper());
}

void paintPets(QPainter& painter, const Hue& hue) {
    QPainterPath pad;
    pad.moveTo(50, 50);
    pad.cubicTo(58, 50, 66, 58, 68.5, 64);
    pad.cubicTo(71, 71, 65, 76, 58.5, 75);
    pad.cubicTo(54, 74.3, 46, 74.3, 41.5, 75);
    pad.cubicTo(35, 76, 29, 71, 31.5, 64);
    pad.cubicTo(34, 58, 42, 50, 50, 50);
    painter.fillPath(pad, hue.main);
    painter.fillPath(rotatedEllipse({29.5, 46}, 11, 14.5, -28), hue.main);
    painter.fillPath(rotatedEllipse({42, 33.5}, 11.5, 15, -8), hue.main);
    painter.fillPath(rotatedEllipse({58, 33.5}, 11.5, 15, 8), hue.main);
    painter.fillPath(rotatedEllipse({70.5, 46}, 11, 14.5, 28), hue.main);
}

void paintHobbies(QPainter& painter, const Hue& hue) {
    painter.fillPath(rotatedEllipse({37, 67}, 16, 11.5, -22), hue.main);
    painter.fillPath(rotatedEllipse({63, 61}, 16, 11.5, -22), hue.main);
    painter.setPen(roundPen(hue.main, 4.5));
    painter.drawLine(QPointF(43.5, 65), QPointF(43.5, 34));
    painter.drawLine(QPointF(69.5, 59), QPointF(69.5, 28));
    fillRounded(painter, polygonPath({{43.5, 31}, {69.5, 25}, {69.5, 34}, {43.5, 40}}), hue.main);
}

} // namespace quillox::artwork
