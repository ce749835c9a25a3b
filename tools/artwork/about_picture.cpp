#include "about_picture.h"

#include "app_icon.h"
#include "drawing_kit.h"
#include "palette.h"
#include "soft_shadow.h"

#include <QLinearGradient>
#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr int width = 886;
constexpr int height = 663;
constexpr qreal panelWidth = 330;
constexpr qreal textLeft = 388;

void paintPanel(QPainter& painter) {
    QLinearGradient fade(0, 0, 0, height);
    fade.setColorAt(0, blueHue().main);
    fade.setColorAt(1, blueHue().deep);
    painter.fillRect(QRectF(0, 0, panelWidth, height), fade);

    const QPointF centre(panelWidth / 2, height / 2.0);
    const QPainterPath disc = circlePath(centre, 122);
    paintSoftShadow(painter, disc, {6, 24, 0.45});
    painter.fillPath(disc, paper());

    constexpr qreal iconScale = 1.6;
    painter.save();
    painter.translate(centre - QPointF(appIconSize, appIconSize) * iconScale / 2);
    painter.scale(iconScale, iconScale);
    paintAppIcon(painter);
    painter.restore();
}

void paintText(QPainter& painter, qreal baseline, const QFont& font, const QColor& colour,
               const QString& text) {
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(textLeft, baseline), text);
}

} // namespace

QImage aboutPicture() {
    QImage canvas(width, height, QImage::Format_RGB32);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient fade(0, 0, 0, height);
    fade.setColorAt(0, slateShade(0));
    fade.setColorAt(1, slateShade(0.06));
    painter.fillRect(canvas.rect(), fade);
    paintPanel(painter);

    paintText(painter, 300, lettering(104, QFont::Bold), blueHue().deep, "Quillox");
    painter.setPen(roundPen(yellowHue().main, 10));
    painter.drawLine(QPointF(textLeft + 5, 338), QPointF(textLeft + 125, 338));
    paintText(painter, 398, lettering(28, QFont::Normal), slateShade(1),
              "Your papers, filed and found.");
    paintText(painter, 452, lettering(22, QFont::Normal), slateShade(0.7), "Version 1.0");
    return canvas;
}

} // namespace quillox::artwork
