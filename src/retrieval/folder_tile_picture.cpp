#include "folder_tile_picture.h"

#include "artwork.h"

#include <QPainter>
#include <array>

namespace quillox::retrieval {
namespace {

constexpr int iconCount = 81;
constexpr int side = 100;
const QColor ground(255, 0, 255);

// The icon's see-through parts keep the ground; its edges keep their soft alpha, so that they
// blend with the panel instead of showing a magenta fringe.
QImage drawnOnGround(const QImage& icon) {
    QImage picture(side, side, QImage::Format_ARGB32);
    picture.fill(ground);
    const QImage source = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < std::min(side, source.height()); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < std::min(side, source.width()); ++x) {
            if (qAlpha(from[x]) > 0)
                to[x] = from[x];
        }
    }
    return picture;
}

QImage iconOfList(qint64 index) {
    return index == 0 ? artwork::blankSheet()
                      : artwork::folderIcons().at(static_cast<std::size_t>(index - 1));
}

} // namespace

QImage folderTilePicture(int picture) {
    // Drawn once an icon: a level of hundreds of folders shows at once.
    static std::array<QImage, iconCount> drawn;
    const qint64 index = qint64(picture) + 1;
    if (index < 0 || index >= iconCount) {
        QImage groundOnly(side, side, QImage::Format_ARGB32);
        groundOnly.fill(ground);
        return groundOnly;
    }
    QImage& cached = drawn[static_cast<std::size_t>(index)];
    if (cached.isNull())
        cached = drawnOnGround(iconOfList(index));
    return cached;
}

} // namespace quillox::retrieval
