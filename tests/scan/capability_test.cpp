// Capabilities as the scripted source answers them: the typed getters and setters, and the
// results of the calls that do not do.
#include "scanner_run.h"

#include <gtest/gtest.h>

using namespace quillox::twain;

namespace {

// An open source of the scripted manager.
struct OpenSource : ScannerRun {
    OpenSource() {
        component.LoadLibrary();
        component.SetSourceManagerLoaded(true);
        source = component.SourceAt(0);
        source->SetLoaded(true);
    }
    void Script(TW_UINT16 capability, long value, TW_UINT16 type) {
        fake.Set(("cap_" + std::to_string(capability)).c_str(), value);
        fake.Set(("cap_" + std::to_string(capability) + "_type").c_str(), type);
    }
    TTwainSource* source;
};

long fixBits(double value) {
    const TW_FIX32 fix = toFix32(value);
    return long(TW_UINT16(fix.Whole)) | long(fix.Frac) << 16;
}

} // namespace

TEST(Capabilities, TypedGettersReadTheCurrentOrDefaultItem) {
    OpenSource open;
    open.Script(CAP_XFERCOUNT, TW_UINT16(-1), TWTY_INT16);
    open.Script(ICAP_BITDEPTH, 24, TWTY_UINT16);
    open.Script(ICAP_PIXELTYPE, TWPT_RGB, TWTY_UINT16);
    open.Script(ICAP_UNITS, 1, TWTY_UINT16);
    open.Script(ICAP_XRESOLUTION, fixBits(300.5), TWTY_FIX32);
    open.Script(CAP_FEEDERLOADED, 1, TWTY_BOOL);
    TTwainSource& source = *open.source;

    int count = 0;
    EXPECT_EQ(GetCapXferCount(source, count), crSuccess);
    EXPECT_EQ(count, -1);
    int depth = 0;
    EXPECT_EQ(GetIBitDepth(source, depth), crSuccess);
    EXPECT_EQ(depth, 24);
    EXPECT_EQ(GetIBitDepth(source, depth, rcGetDefault), crSuccess);
    EXPECT_EQ(depth, 25); // the script's default item is one above the current
    TTwainPixelType type = tbdUnknown;
    EXPECT_EQ(GetIPixelType(source, type), crSuccess);
    EXPECT_EQ(type, tbdRgb);
    TTwainUnit unit = tuUnknown;
    EXPECT_EQ(GetICapUnits(source, unit), crSuccess);
    EXPECT_EQ(unit, tuCentimeters);
    double dpi = 0;
    EXPECT_EQ(GetIXResolution(source, dpi), crSuccess);
    EXPECT_DOUBLE_EQ(dpi, 300.5);
    bool loaded = false;
    EXPECT_EQ(GetFeederLoaded(source, loaded), crSuccess);
    EXPECT_TRUE(loaded);
}

TEST(Capabilities, CallsThatDoNotDoSayWhy) {
    OpenSource open;
    TTwainSource& source = *open.source;
    int depth = 0;
    EXPECT_EQ(GetIBitDepth(source, depth), crUnsupported); // the source lacks it

    open.Script(ICAP_BITDEPTH, 8, TWTY_UINT32);
    EXPECT_EQ(GetIBitDepth(source, depth), crUnsupported); // items of another type

    open.fake.Set("cap_kind", TWON_ONEVALUE);
    open.Script(ICAP_BITDEPTH, 8, TWTY_UINT16);
    EXPECT_EQ(GetIBitDepth(source, depth), crInvalidContainer);
    OneValue one;
    EXPECT_EQ(GetOneValue(source, ICAP_BITDEPTH, one), crSuccess);
    EXPECT_EQ(one.item, 8u);

    source.SetLoaded(false);
    EXPECT_EQ(GetIBitDepth(source, depth), crInvalidState);
    EXPECT_EQ(SetIBitDepth(source, 8), crInvalidState);
}

TEST(Capabilities, SettersSendTheirValues) {
    OpenSource open;
    TTwainSource& source = *open.source;
    EXPECT_EQ(SetIXResolution(source, 300.5), crSuccess);
    EXPECT_EQ(open.fake.Value(("set_" + std::to_string(ICAP_XRESOLUTION)).c_str()), fixBits(300.5));
    EXPECT_EQ(SetCapXferCount(source, 1), crSuccess);
    EXPECT_EQ(open.fake.Value(("set_" + std::to_string(CAP_XFERCOUNT)).c_str()), 1);
    EXPECT_EQ(SetFeederEnabled(source, true), crSuccess);
    EXPECT_EQ(open.fake.Value(("set_" + std::to_string(CAP_FEEDERENABLED)).c_str()), 1);
    EXPECT_EQ(SetImagelayoutFrame(source, 0.5, 1, 8.5, 11), crSuccess);
    EXPECT_EQ(open.fake.Value("layout_right"), 8);
    EXPECT_EQ(SetupFileTransfer(source, "/tmp/page.bmp", tfBMP), crSuccess);
    EXPECT_EQ(open.fake.Value("file_format"), 2);
    EXPECT_EQ(formatOf(9), tfEXIF);
    EXPECT_EQ(formatOf(10), tfUnknown);
}
