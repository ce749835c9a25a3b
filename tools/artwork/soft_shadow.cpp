#include "soft_shadow.h"

#include "drawing_kit.h"
#include "palette.h"

#include <QPainter>
#include <algorithm>
#include <vector>

namespace quillox::artwork {
namespace {

// One pass of a box blur along rows (step 1) or columns (step width) of a coverage map.
void boxBlur(std::vector<float>& map, int lines, int length, int lineStep, int step, int radius) {
    std::vector<float> line(length);
    const float window = 2.0f * radius + 1.0f;
    for (int l = 0; l < lines; ++l) {
        float* const start = map.data() + static_cast<std::ptrdiff_t>(l) * lineStep;
        for (int i = 0; i < length; ++i)
            line[i] = start[static_cast<std::ptrdiff_t>(i) * step];
        float sum = 0;
        for (int i = 0; i < radius && i < length; ++i)
            sum += line[i];
        for (int i = 0; i < length; ++i) {
            if (i + radius < length)
                sum += line[i + radius];
            if (i - radius - 1 >= 0)
                sum -= line[i - radius - 1];
            start[static_cast<std::ptrdiff_t>(i) * step] = sum / window;
        }
    }
}

} // namespace

void paintSoftShadow(QPainter& painter, const QPainterPath& shape, const ShadowStyle& style) {
    const int width = painter.device()->width();
    const int height = painter.device()->height();
    QImage silhouette = transparentCanvas(width, height);
    {
        QPainter silhouettePainter(&silhouette);
        silhouettePainter.setRenderHint(QPainter::Antialiasing);
        silhouettePainter.translate(0, style.drop);
        silhouettePainter.setTransform(painter.worldTransform(), true);
        silhouettePainter.fillPath(shape, Qt::black);
    }

    std::vector<float> coverage(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            coverage[static_cast<std::size_t>(y) * width + x] = qAlpha(silhouette.pixel(x, y));

    // Three box passes each way come close to a Gaussian blur.
    const int radius = std::max(1, style.spread / 3);
    for (int pass = 0; pass < 3; ++pass) {
        boxBlur(coverage, height, width, width, 1, radius);
        boxBlur(coverage, width, height, 1, width, radius);
    }

    const QColor ink = shadowInk();
    QImage shadow = transparentCanvas(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const float alpha = coverage[static_cast<std::size_t>(y) * width + x];
            shadow.setPixelColor(
                x, y, QColor(ink.red(), ink.green(), ink.blue(), qRound(alpha * style.strength)));
        }

    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, shadow);
    painter.restore();
}

} // namespace quillox::artwork
