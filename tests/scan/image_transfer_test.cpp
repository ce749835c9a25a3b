// Images as they reach the component's owner, by native and memory transfer, and the data of a
// driver that does not add up.
#include "scanner_run.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace quillox::twain;

namespace {

// The scripted source's byte at a row of its top-down image, as the fake computes it.
int sourceByte(int row, int at) {
    return (row * 31 + at * 7) & 0xFF;
}

QRgb expectedRgb(int x, int y) {
    return qRgb(sourceByte(y, 3 * x), sourceByte(y, 3 * x + 1), sourceByte(y, 3 * x + 2));
}

QRgb expectedGray(int x, int y) {
    return qRgb(sourceByte(y, x), sourceByte(y, x), sourceByte(y, x));
}

// One bit a pixel, the leftmost pixel in the top bit, black at 0.
QRgb expectedBlackOrWhite(int x, int y) {
    return sourceByte(y, x / 8) >> (7 - x % 8) & 1 ? qRgb(255, 255, 255) : qRgb(0, 0, 0);
}

void expectTheScriptedRgbImage(const QImage& image, int width, int height) {
    ASSERT_EQ(image.size(), QSize(width, height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, expectedRgb(x, y) & 0xFFFFFF)
                << "at " << x << ", " << y;
}

} // namespace

TEST(ImageTransfer, RgbArrivesTheSameByNativeAndByMemoryWhateverTheStrips) {
    const struct {
        TTwainTransferMode mode;
        long strip;
        long preferred;
    } cases[] = {{ttmNative, 0, 16},
                 {ttmMemory, 1, 16},
                 {ttmMemory, 7, 16},
                 {ttmMemory, 16, 16},
                 {ttmMemory, 64, 4096}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " strip " << c.strip);
        ScannerRun run;
        run.fake.Set("width", 5);
        run.fake.Set("height", 4);
        run.fake.Set("strip", c.strip);
        run.fake.Set("preferred", c.preferred);
        run.component.SetTransferMode(c.mode);
        int progressed = 0;
        run.component.OnAcquireProgress = [&](TTwainSource&, int, const auto&, int current,
                                              int total) {
            ++progressed;
            EXPECT_EQ(current, progressed);
            EXPECT_EQ(total, 3);
        };
        run.Acquire();
        ASSERT_EQ(run.images.size(), 1) << run.error.toStdString();
        expectTheScriptedRgbImage(run.images[0], 5, 4);
        EXPECT_EQ(progressed, c.mode == ttmMemory ? 4 : 0);
    }
}

TEST(ImageTransfer, MemoryTransfersTakeTheirColoursAndResolutionFromTheSource) {
    const struct {
        int pixelType;
        long flavor;
        long units;
        long resolution;
        QList<QRgb> table; // the first entries
        int pelsPerMeter;
    } cases[] = {
        {TWPT_BW, 1, 0, 300, {qRgb(255, 255, 255), qRgb(0, 0, 0)}, 11811},
        {TWPT_BW, -1, 1, 118, {qRgb(0, 0, 0), qRgb(255, 255, 255)}, 11800},
        {TWPT_GRAY, 0, 5, 300, {qRgb(0, 0, 0), qRgb(1, 1, 1), qRgb(2, 2, 2)}, 0},
        {TWPT_PALETTE, 0, -1, 300, {qRgb(0, 0, 0), qRgb(1, 2, 3), qRgb(2, 4, 6)}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pixel type " << c.pixelType);
        ScannerRun run;
        run.fake.Set("pixeltype", c.pixelType);
        run.fake.Set("flavor", c.flavor);
        run.fake.Set("units", c.units);
        run.fake.Set("resolution", c.resolution);
        quillox::platform::DeviceIndependentBitmap kept;
        run.component.OnTwainAcquire = [&](TTwainComponent&, int, const auto& image, bool&) {
            kept = image;
        };
        run.Acquire();
        ASSERT_FALSE(kept.pixels.empty()) << run.error.toStdString();
        for (int i = 0; i < c.table.size(); ++i)
            EXPECT_EQ(kept.colorTable.at(std::size_t(i)), c.table[i]) << "entry " << i;
        if (c.pixelType == TWPT_PALETTE) {
            EXPECT_EQ(kept.colorTable.size(), 16u);
        }
        EXPECT_EQ(kept.xPelsPerMeter, c.pelsPerMeter);
        // The image's top row is the last row in memory.
        const std::size_t last = kept.stride() * std::size_t(kept.height - 1);
        EXPECT_EQ(kept.pixels[last], sourceByte(0, 0));
    }
}

TEST(ImageTransfer, ANativeTiffPageArrivesAsTheSourceEncodedIt) {
    using Expected = QRgb (*)(int x, int y);
    const struct {
        const char* what;
        int pixelType;
        long byteOrder; // 1 little-endian, 2 big-endian
        int bitsPerPixel;
        Expected expected;
    } cases[] = {
        {"black and white", TWPT_BW, 1, 1, expectedBlackOrWhite},
        {"gray", TWPT_GRAY, 1, 8, expectedGray},
        {"colour", TWPT_RGB, 1, 24, expectedRgb},
        {"big-endian black and white", TWPT_BW, 2, 1, expectedBlackOrWhite},
        {"big-endian gray", TWPT_GRAY, 2, 8, expectedGray},
        {"big-endian colour", TWPT_RGB, 2, 24, expectedRgb},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScannerRun run;
        run.fake.Set("native_tiff", c.byteOrder);
        run.fake.Set("pixeltype", c.pixelType);
        run.fake.Set("width", 11);
        run.fake.Set("height", 4);
        run.fake.Set("resolution", 300);
        run.component.SetTransferMode(ttmNative);
        quillox::platform::DeviceIndependentBitmap kept;
        run.component.OnTwainAcquire = [&](TTwainComponent&, int, const auto& image, bool&) {
            kept = image;
        };
        run.Acquire();
        ASSERT_FALSE(kept.pixels.empty()) << run.error.toStdString();
        EXPECT_EQ(kept.bitsPerPixel, c.bitsPerPixel);
        EXPECT_EQ(kept.xPelsPerMeter, 11811);
        EXPECT_EQ(kept.yPelsPerMeter, 11811);
        const QImage image = kept.toImage();
        ASSERT_EQ(image.size(), QSize(11, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 11; ++x)
                ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, c.expected(x, y) & 0xFFFFFF)
                    << "at " << x << ", " << y;
    }
}

TEST(ImageTransfer, ANativeTiffThatDoesNotDecodeStopsTheTransferWithAMessage) {
    ScannerRun run;
    run.fake.Set("pages", 2);
    run.fake.Set("native_tiff", 1);
    run.fake.Set("native_tiff_broken", 1);
    run.component.SetTransferMode(ttmNative);
    run.Acquire();
    EXPECT_TRUE(run.images.isEmpty());
    EXPECT_EQ(run.error,
              "The scanner's transfer was stopped: its page could not be read as a TIFF image.");
    EXPECT_TRUE(run.fake.Calls().contains("source RESET"));
}

TEST(ImageTransfer, MemoryTransfersTakeTheDepthsOfAPackedBitmap) {
    // The colour of a pixel of a row, from the fake's bytes at the pixel's first byte.
    using Expected = QRgb (*)(int row, int at);
    const struct {
        const char* what;
        int pixelType;
        int bits;
        int bytesAPixel;
        Expected expected;
    } cases[] = {
        {"16-bit gray in the machine's order, its top 8 bits kept", TWPT_GRAY, 16, 2,
         [](int row, int at) {
             const std::uint8_t bytes[] = {std::uint8_t(sourceByte(row, at)),
                                           std::uint8_t(sourceByte(row, at + 1))};
             std::uint16_t sample = 0;
             std::memcpy(&sample, bytes, sizeof sample);
             return qRgb(sample >> 8, sample >> 8, sample >> 8);
         }},
        {"32-bit red, green, blue and padding", TWPT_RGB, 32, 4,
         [](int row, int at) {
             return qRgb(sourceByte(row, at), sourceByte(row, at + 1), sourceByte(row, at + 2));
         }},
        {"16-bit 5-5-5 colour, little-end first", TWPT_RGB, 16, 2,
         [](int row, int at) {
             const int packed = sourceByte(row, at) | sourceByte(row, at + 1) << 8;
             const auto widen = [](int five) { return five << 3 | five >> 2; };
             return qRgb(widen(packed >> 10 & 31), widen(packed >> 5 & 31), widen(packed & 31));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScannerRun run;
        run.fake.Set("width", 5);
        run.fake.Set("height", 4);
        run.fake.Set("pixeltype", c.pixelType);
        run.fake.Set("bits", c.bits);
        run.component.SetTransferMode(ttmMemory);
        run.Acquire();
        ASSERT_EQ(run.images.size(), 1) << run.error.toStdString();
        const QImage& image = run.images[0];
        ASSERT_EQ(image.size(), QSize(5, 4));
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 5; ++x)
                ASSERT_EQ(image.pixel(x, y) & 0xFFFFFF, c.expected(y, c.bytesAPixel * x) & 0xFFFFFF)
                    << "at " << x << ", " << y;
    }
}

TEST(ImageTransfer, AMemoryTransferOfADepthThatCannotBeShownNamesTheDepth) {
    for (const int bits : {2, 48, 64}) {
        ScannerRun run;
        run.fake.Set("bits", bits);
        run.component.SetTransferMode(ttmMemory);
        run.Acquire();
        EXPECT_TRUE(run.images.isEmpty());
        EXPECT_EQ(run.error, QString("The scanner's transfer was stopped: it reported %1 bits a "
                                     "pixel, a depth that Quillox cannot show.")
                                 .arg(bits));
    }
}

TEST(ImageTransfer, DriverDataThatDoesNotAddUpStopsTheTransferWithAMessage) {
    const struct {
        const char* what;
        TTwainTransferMode mode;
        const char* key;
        long value;
    } cases[] = {
        {"native rows beyond the block", ttmNative, "native_extra_rows", 1000},
        {"native unknown header", ttmNative, "native_header", 20},
        {"no preferred buffer size", ttmMemory, "preferred", 0},
        {"more bytes than the buffer", ttmMemory, "overwrite", 100},
        {"unknown bits a pixel", ttmMemory, "bits", 13},
        {"a page too large", ttmMemory, "width", 2000000000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ScannerRun run;
        run.fake.Set("pages", 2);
        run.fake.Set(c.key, c.value);
        run.component.SetTransferMode(c.mode);
        run.Acquire();
        EXPECT_TRUE(run.images.isEmpty());
        EXPECT_TRUE(run.error.startsWith("The scanner")) << run.error.toStdString();
        TTwainSource* source = run.component.SourceAt(0);
        EXPECT_FALSE(source->Enabled());
        EXPECT_TRUE(run.fake.Calls().contains("source RESET"));
    }
}
