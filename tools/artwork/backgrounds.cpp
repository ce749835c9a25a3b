#include "backgrounds.h"

#include "drawing_kit.h"
#include "filing_shapes.h"
#include "palette.h"

#include <QLinearGradient>
#include <QPainter>

namespace quillox::artwork {
namespace {

constexpr int width = 429;
constexpr int height = 612;
// The darkest shade the backgrounds use; the palette spreads its 256 entries up to it.
constexpr qreal deepestShade = 0.4;

// Both pictures are painted with shades of one ramp only, so a palette that samples the
// ramp finely holds every colour they contain, antialiased edges included.
QImage toRampPalette(const QImage& picture) {
    QList<QRgb> palette;
    for (int i = 0; i < 256; ++i)
        palette.append(slateShade(deepestShade * i / 255).rgb());
    return picture.convertToFormat(QImage::Format_Indexed8, palette, Qt::ThresholdDither);
}

QImage gradientCanvas(qreal topShade, qreal bottomShade) {
    QImage canvas(width, height, QImage::Format_RGB32);
    QPainter painter(&canvas);
    QLinearGradient fade(0, 0, 0, height);
    fade.setColorAt(0, slateShade(topShade));
    fade.setColorAt(1, slateShade(bottomShade));
    painter.fillRect(canvas.rect(), fade);
    return canvas;
}

// A sheet of paper standing on the middle of its foot edge, turned by `degrees`.
void paintSheet(QPainter& painter, QPointF foot, QSizeF size, qreal degrees, int textLines) {
    painter.save();
    painter.translate(foot);
    painter.rotate(degrees);
    const QRectF page(-size.width() / 2, -size.height(), size.width(), size.height());
    painter.setPen(roundPen(slateShade(0.24), 1.5));
    painter.setBrush(slateShade(0));
    painter.drawRoundedRect(page, 4, 4);
    painter.setPen(roundPen(slateShade(0.16), 3));
    const qreal margin = size.width() * 0.16;
    for (int line = 0; line < textLines; ++line) {
        const qreal y = page.top() + 16 + line * 11;
        const qreal shorten = (line % 3 == 2) ? size.width() * 0.3 : 0;
        painter.drawLine(QPointF(page.left() + margin, y),
                         QPointF(page.right() - margin - shorten, y));
    }
    painter.restore();
}

} // namespace

QImage documentBackground() {
    QImage canvas = gradientCanvas(0.015, 0.09);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPointF foot(215, 598);
    const QSizeF sheet(66, 86);
    paintSheet(painter, foot, sheet, -12, 0);
    paintSheet(painter, foot, sheet, 10, 0);
    paintSheet(painter, foot, sheet, -1, 5);
    painter.end();
    return toRampPalette(canvas);
}

QImage folderWatermark() {
    QImage canvas = gradientCanvas(0.02, 0.08);
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF body(38, 62, 353, 516);
    painter.setPen(roundPen(slateShade(0.22), 2));
    painter.setBrush(slateShade(0.13));
    painter.drawPath(folderBack(body, 150, 24, 18));

    paintSheet(painter, {205, 540}, {290, 492}, -2.5, 40);
    paintSheet(painter, {225, 540}, {290, 485}, 2, 40);

    painter.setPen(roundPen(slateShade(0.24), 2));
    painter.setBrush(slateShade(0.17));
    painter.drawPath(openFolderFront(body, body.top() + 50, body.top() + 34, 26));
    // The label holder sits low, where the new folder window leaves the decoration uncovered.
    painter.setBrush(slateShade(0.09));
    painter.drawRoundedRect(QRectF(144, 500, 140, 40), 10, 10);
    painter.end();
    return toRampPalette(canvas);
}

} // namespace quillox::artwork
