#include "retrieval/folder_tile_picture.h"

#include "widgets/artwork.h"

#include <array>

namespace quillox::retrieval {
namespace {

constexpr int iconCount = 81;
constexpr int side = 100;

QImage iconOfList(qint64 index) {
    return index == 0 ? artwork::blankSheet()
                      : artwork::folderIcons().at(static_cast<std::size_t>(index - 1));
}

} // namespace

QImage folderTilePicture(int picture) {
    // Made once an icon and shared by every tile that shows it: a level can hold hundreds.
    static std::array<QImage, iconCount> made;
    static const QImage nothing = [] {
        QImage empty(side, side, QImage::Format_ARGB32_Premultiplied);
        empty.fill(Qt::transparent);
        return empty;
    }();
    const qint64 index = qint64(picture) + 1;
    if (index < 0 || index >= iconCount)
        return nothing;
    QImage& cached = made[static_cast<std::size_t>(index)];
    if (cached.isNull())
        cached = iconOfList(index)
                     .copy(0, 0, side, side)
                     .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    return cached;
}

} // namespace quillox::retrieval
