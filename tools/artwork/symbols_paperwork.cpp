#include "drawing_kit.h"
#include "symbol_painters.h"

#include <QPainter>

namespace quillox::artwork {
namespace {

// A pan of the scales hanging from the beam's end at `hook`.
void paintScalePan(QPainter& painter, const Hue& hue, QPointF hook) {
    const qreal rim = hook.y() + 20;
    painter.setPen(roundPen(hue.main, 2.5));
    painter.drawLine(hook, QPointF(hook.x() - 8, rim));
    painter.drawLine(hook, QPointF(hook.x() + 8, rim));
    QPainterPath pan;
    pan.moveTo(hook.x() - 10, rim);
    pan.arcTo(QRectF(hook.x() - 10, rim - 8, 20, 16), 180, 180);
    pan.closeSubpath();
    fillRounded(painter, pan, hue.main, 2);
}

} // namespace

void paintMoney(QPainter& painter, const Hue& hue) {
    QTransform tilt;
    tilt.translate(54, 44);
    tilt.rotate(-12);
    painter.fillPath(tilt.map(roundedRectPath(QRectF(-27, -15, 54, 30), 5)), hue.tint);
    painter.fillPath(roundedRectPath(QRectF(23, 38, 54, 30), 5), hue.main);
    painter.setPen(roundPen(paper(), 2));
    painter.drawRoundedRect(QRectF(27.5, 42.5, 45, 21), 3, 3);
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper());
    painter.drawEllipse(QPointF(50, 53), 7, 7);
    painter.setBrush(hue.main);
    painter.drawEllipse(QPointF(50, 53), 3, 3);
}

void paintWork(QPainter& painter, const Hue& hue) {
    painter.setPen(roundPen(hue.deep));
    painter.drawRoundedRect(QRectF(40, 28, 20, 14), 4, 4);
    painter.fillPath(roundedRectPath(QRectF(23, 37, 54, 37), 7), hue.main);
    painter.setPen(roundPen(paper(), 3));
    painter.drawLine(QPointF(24, 53), QPointF(76, 53));
    painter.fillPath(roundedRectPath(QRectF(43, 47, 14, 12), 3), paper());
    painter.fillPath(roundedRectPath(QRectF(45.5, 49.5, 9, 7), 2), hue.deep);
}

void paintSchool(QPainter& painter, const Hue& hue) {
    QPainterPath crown;
    crown.moveTo(33, 44);
    crown.lineTo(33, 60);
    crown.cubicTo(40, 67, 60, 67, 67, 60);
    crown.lineTo(67, 44);
    crown.closeSubpath();
    fillRounded(painter, crown, hue.deep);
    painter.setPen(roundPen(paper(), 3));
    painter.setBrush(hue.main);
    painter.drawPath(polygonPath({{50, 27}, {80, 41}, {50, 55}, {20, 41}}));
    painter.setPen(roundPen(hue.deep, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(QPolygonF({{50, 41}, {72, 46}, {72, 60}}));
    painter.fillPath(roundedRectPath(QRectF(69, 58, 6, 11), 2.5), hue.deep);
}

void paintTax(QPainter& painter, const Hue& hue) {
    QPainterPath slip;
    slip.moveTo(31, 27);
    slip.quadTo(31, 24, 34, 24);
    slip.lineTo(66, 24);
    slip.quadTo(69, 24, 69, 27);
    slip.lineTo(69, 76);
    // A torn edge of six teeth along the bottom.
    const qreal tooth = 38.0 / 6;
    for (int i = 0; i < 6; ++i) {
        const qreal right = 69 - i * tooth;
        slip.lineTo(right - tooth / 2, 72);
        slip.lineTo(right - tooth, 76);
    }
    slip.closeSubpath();
    fillRounded(painter, slip, hue.main, 2);

    painter.setPen(roundPen(paper(), 3.5));
    painter.drawLine(QPointF(56, 33), QPointF(44, 51));
    painter.drawEllipse(QPointF(43, 35.5), 2.5, 2.5);
    painter.drawEllipse(QPointF(57, 48.5), 2.5, 2.5);
    painter.drawLine(QPointF(39, 60), QPointF(61, 60));
    painter.drawLine(QPointF(39, 66.5), QPointF(53, 66.5));
}

void paintBank(QPainter& painter, const Hue& hue) {
    fillRounded(painter, polygonPath({{50, 24}, {77, 38}, {23, 38}}), hue.main, 5);
    painter.fillPath(roundedRectPath(QRectF(26, 40, 48, 4.5), 1.5), hue.main);
    for (const qreal x : {29.0, 41.5, 54.0, 66.5})
        painter.fillPath(roundedRectPath(QRectF(x - 0.5, 47, 5.5, 19), 1.5), hue.main);
    painter.fillPath(roundedRectPath(QRectF(26, 68, 48, 4.5), 1.5), hue.main);
    painter.fillPath(roundedRectPath(QRectF(22, 73.5, 56, 4.5), 1.5), hue.deep);
    painter.setPen(Qt::NoPen);
    painter.setBrush(paper());
    painter.drawEllipse(QPointF(50, 33), 3, 3);
}

void paintInsurance(QPainter& painter, const Hue& hue) {
    QPainterPath shield;
    shield.moveTo(50, 24);
    shield.cubicTo(58, 29, 66, 31, 74, 31);
    shield.lineTo(74, 48);
    shield.cubicTo(74, 62, 64, 71, 50, 77);
    shield.cubicTo(36, 71, 26, 62, 26, 48);
    shield.lineTo(26, 31);
    shield.cubicTo(34, 31, 42, 29, 50, 24);
    fillRounded(painter, shield, hue.main);
    QPainterPath rightHalf;
    rightHalf.addRect(QRectF(50, 20, 30, 60));
    painter.fillPath(shield.intersected(rightHalf), hue.deep);
    painter.setPen(roundPen(paper(), 5.5));
    painter.drawPolyline(QPolygonF({{39.5, 50}, {47, 57.5}, {61, 42.5}}));
}

void paintUtilities(QPainter& painter, const Hue& hue) {
    fillRounded(painter, polygonPath({{59, 21}, {29, 56}, {47, 56}, {40, 79}, {72, 42}, {54, 42}}),
                hue.main, 5);
}

void paintLegal(QPainter& painter, const Hue& hue) {
    painter.setPen(roundPen(hue.main));
    painter.drawLine(QPointF(50, 32), QPointF(50, 70));
    painter.drawLine(QPointF(29, 37), QPointF(71, 37));
    painter.setPen(Qt::NoPen);
    painter.setBrush(hue.main);
    painter.drawEllipse(QPointF(50, 29), 4.5, 4.5);
    painter.fillPath(roundedRectPath(QRectF(36, 69, 28, 7), 3), hue.deep);
    paintScalePan(painter, hue, {29, 37});
    paintScalePan(painter, hue, {71, 37});
}

} // namespace quillox::artwork
