// The pictures compiled into the program have the sizes and pixel forms the windows rely on.
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
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

TEST(ResourceImages, PicturesWithAlphaHaveTransparentCornersAndOpaqueCentres) {
    std::vector<std::pair<QString, QSize>> pictures{
        {":/images/blank_sheet.png", QSize(100, 100)}, {":/images/app_icon.png", QSize(128, 128)},
        {":/images/main_drop.png", QSize(677, 866)},   {":/images/main_scan.png", QSize(677, 866)},
        {":/images/main_browse.png", QSize(677, 866)},
    };
    for (int index = 0; index < 80; ++index)
        pictures.emplace_back(QString(":/images/folder_%1.png").arg(index, 2, 10, QChar('0')),
                              QSize(100, 100));

    for (const auto& [path, size] : pictures) {
        SCOPED_TRACE(path.toStdString());
        const QImage picture = load(path);
        ASSERT_EQ(picture.size(), size);
        ASSERT_TRUE(picture.hasAlphaChannel());
        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        for (const QPoint corner :
             {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
            EXPECT_EQ(qAlpha(picture.pixel(corner)), 0);
        EXPECT_EQ(qAlpha(picture.pixel(size.width() / 2, size.height() / 2)), 255);
    }
}

// The about window lays its help button over the picture's bottom-right corner, which must
// therefore be plain.
TEST(ResourceImages, AboutPictureIsAColourJpegWithAPlainCorner) {
    const QString path = ":/images/about.jpg";
    EXPECT_EQ(QImageReader(path).format(), "jpeg");
    const QImage picture = load(path);
    ASSERT_EQ(picture.size(), QSize(886, 663));
    EXPECT_FALSE(picture.hasAlphaChannel());
    EXPECT_FALSE(picture.isGrayscale());

    const QColor plain = picture.pixelColor(828, 646);
    int mostApart = 0;
    for (int y = 630; y < 663; ++y)
        for (int x = 770; x < 886; ++x) {
            const QColor colour = picture.pixelColor(x, y);
            mostApart = std::max({mostApart, std::abs(colour.red() - plain.red()),
                                  std::abs(colour.green() - plain.green()),
                                  std::abs(colour.blue() - plain.blue())});
        }
    EXPECT_LE(mostApart, 6);
}

TEST(ResourceImages, TheWaitingPictureIsA24BitBitmapOfThePreviewsSize) {
    const QString path = ":/images/wait_image.bmp";
    EXPECT_EQ(load(path).size(), QSize(690, 900));
    EXPECT_EQ(bmpBitsPerPixel(path), 24);
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
    const std::vector<std::pair<QString, QSize>> buttons{
        {":/images/ok_button.bmp", QSize(332, 332)},
        {":/images/cancel_button.bmp", QSize(332, 332)},
        {":/images/search_button.bmp", QSize(331, 333)},
        {":/images/add_button.bmp", QSize(332, 333)},
        {":/images/delete_button.bmp", QSize(332, 332)},
        {":/images/up_button.bmp", QSize(332, 332)},
        {":/images/back_button.bmp", QSize(332, 332)},
        {":/images/close_button.bmp", QSize(332, 332)},
    };
    for (const auto& [path, size] : buttons) {
        SCOPED_TRACE(path.toStdString());
        const QImage button = load(path);
        ASSERT_EQ(button.size(), size);
        EXPECT_EQ(bmpBitsPerPixel(path), 24);
        const int right = size.width() - 1;
        const int bottom = size.height() - 1;
        const QRgb key = button.pixel(0, bottom);
        for (const QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(right, bottom)})
            EXPECT_EQ(button.pixel(corner), key);

        const QPointF centre(size.width() / 2.0, size.height() / 2.0);
        int keyedInside = 0;
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const QPointF offset = QPointF(x, y) - centre;
                if (QPointF::dotProduct(offset, offset) < 150.0 * 150.0 &&
                    button.pixel(x, y) == key)
                    ++keyedInside;
            }
        EXPECT_EQ(keyedInside, 0);
    }
}

// The main window shows copies of its three pictures drawn at its boxes' size; a copy that no
// longer matches its picture would show an old drawing.
TEST(ResourceImages, TheMainPicturesShownAreTheirPicturesScaledToTheirBoxes) {
    for (const QString name : {"main_drop", "main_scan", "main_browse"}) {
        SCOPED_TRACE(name.toStdString());
        const QImage shown = load(":/images/" + name + "_shown.png");
        ASSERT_EQ(shown.size(), QSize(154, 200));
        ASSERT_TRUE(shown.hasAlphaChannel());
        const QImage scaled =
            load(":/images/" + name + ".png")
                .scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32);
        const QImage copy = shown.convertToFormat(QImage::Format_ARGB32);
        int mostApart = 0;
        for (int y = 0; y < copy.height(); ++y)
            for (int x = 0; x < copy.width(); ++x) {
                const QRgb a = copy.pixel(x, y);
                const QRgb b = scaled.pixel(x, y);
                mostApart = std::max(
                    {mostApart, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b)), std::abs(qAlpha(a) - qAlpha(b))});
            }
        EXPECT_LE(mostApart, 8);
    }
}

} // namespace
