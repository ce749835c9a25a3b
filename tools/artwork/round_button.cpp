#include "round_button.h"

#include "drawing_kit.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr qreal outerRadius = 158;
constexpr qreal faceRadius = 146;
// The face sits a little above the middle, so that its shadow shows below it.
constexpr qreal faceLift = 5;

// Any antialiased edge pixel drawn over the key colour would blend with it; the button is
// therefore drawn on transparency and then laid on the key colour with a hard edge.
QImage onKeyColour(const QImage& button) {
    QImage keyed(button.size(), QImage::Format_RGB32);
    keyed.fill(buttonKeyColour());
    for (int y = 0; y < button.height(); ++y)
        for (int x = 0; x < button.width(); ++x) {
            const QColor colour = button.pixelColor(x, y);
            if (colour.alpha() >= 128)
                keyed.setPixelColor(x, y, QColor(colour.red(), colour.green(), colour.blue()));
        }
    return keyed.convertToFormat(QImage::Format_RGB888);
}

} // namespace

QColor buttonKeyColour() {
    return QColor(0xFF00FF);
}

QImage roundButton(QSize size, const SignPainter& paintSign) {
    QImage canvas = transparentCanvas(size.width(), size.height());
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    QLinearGradient shade(0, centre.y() - outerRadius, 0, centre.y() + outerRadius);
    shade.setColorAt(0, QColor(0xE6EAF0));
    shade.setColorAt(1, QColor(0xB9C2CE));
    painter.setBrush(shade);
    painter.drawEllipse(centre, outerRadius, outerRadius);

    const QPointF faceCentre(centre.x(), centre.y() - faceLift);
    QLinearGradient face(0, faceCentre.y() - faceRadius, 0, faceCentre.y() + faceRadius);
    face.setColorAt(0, paper());
    face.setColorAt(1, QColor(0xF1F4F8));
    painter.setBrush(face);
    painter.drawEllipse(faceCentre, faceRadius, faceRadius);

    painter.translate(faceCentre);
    paintSign(painter);
    painter.end();
    return onKeyColour(canvas);
}

} // namespace quillox::artwork
