// The pictures compiled into the program have the sizes and pixel forms the windows rely on.
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>
#include <vector>

namespace {

// The bit count field of the BMP info header; QImage reads 24-bit pictures as 32-bit ones.
int bmpBitsPerPixel(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray header = file.read(30);
    return header.size() == 30 ? qFromLittleEndian<quint16>(header.constData() + 28) : 0;
}

QImage load(const QString& path) {
    const QImage image(path);
    EXPECT_FALSE(image.isNull()) << path.toStdString();
    return image;
}

TEST(ResourceImages, IconsHaveTransparentCornersAndOpaqueCentres) {
    std::vector<std::pair<QString, int>> icons{{":/images/blank_sheet.png", 100},
                                               {":/images/app_icon.png", 128}};
    for (int index = 0; index < 80; ++index)
        icons.emplace_back(QString(":/images/folder_%1.png").arg(index, 2, 10, QChar('0')), 100);

    for (const auto& [path, side] : icons) {
        SCOPED_TRACE(path.toStdString());
        const QImage icon = load(path);
        ASSERT_EQ(icon.size(), QSize(side, side));
        ASSERT_TRUE(icon.hasAlphaChannel());
        const int last = side - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(last, 0), QPoint(0, last), QPoint(last, last)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0);
        EXPECT_EQ(qAlpha(icon.pixel(side / 2, side / 2)), 255);
    }
}

TEST(ResourceImages, WindowBackgroundsAre256ColourBitmaps) {
    for (const QString path : {":/images/background.bmp", ":/images/watermark.bmp"}) {
        SCOPED_TRACE(path.toStdString());
        const QImage picture = load(path);
        EXPECT_EQ(picture.size(), QSize(429, 612));
        EXPECT_EQ(picture.format(), QImage::Format_Indexed8);
        EXPECT_EQ(bmpBitsPerPixel(path), 8);
    }
}

// The windows draw the buttons "transparent": the bottom-left pixel's colour disappears
// wherever it occurs, so it must fill the corners and occur nowhere on the button face.
TEST(ResourceImages, ButtonsKeepTheirKeyColourOutsideTheButton) {
    for (const QString path : {":/images/ok_button.bmp", ":/images/cancel_button.bmp"}) {
        SCOPED_TRACE(path.toStdString());
        const QImage button = load(path);
        ASSERT_EQ(button.size(), QSize(332, 332));
        EXPECT_EQ(bmpBitsPerPixel(path), 24);
        const QRgb key = button.pixel(0, 331);
        for (const QPoint corner : {QPoint(0, 0), QPoint(331, 0), QPoint(331, 331)})
            EXPECT_EQ(button.pixel(corner), key);

        const QPointF centre(166, 166);
        int keyedInside = 0;
        for (int y = 0; y < 332; ++y)
            for (int x = 0; x < 332; ++x) {
                const QPointF offset = QPointF(x, y) - centre;
                if (QPointF::dotProduct(offset, offset) < 150.0 * 150.0 &&
                    button.pixel(x, y) == key)
                    ++keyedInside;
            }
        EXPECT_EQ(keyedInside, 0);
    }
}

} // namespace
