#include "scan/twain/typed_capabilities.h"

#include "scan/twain/twain_source.h"

#include <cmath>
#include <cstring>

namespace quillox::twain {
namespace {

TCapabilityRet getItem(TTwainSource& source, TW_UINT16 capability, TW_UINT16 type,
                       TRetrieveCap mode, TW_UINT32& item) {
    EnumerationValue value;
    if (const TCapabilityRet got = GetEnumerationValue(source, capability, value, mode);
        got != crSuccess)
        return got;
    if (value.itemType != type)
        return crUnsupported;
    const TW_UINT32 index = mode == rcGetDefault ? value.defaultIndex : value.currentIndex;
    if (index >= value.items.size())
        return crInvalidContainer;
    item = value.items[index];
    return crSuccess;
}

TCapabilityRet setItem(TTwainSource& source, TW_UINT16 capability, TW_UINT16 type, TW_UINT32 item) {
    return SetOneValue(source, capability, {type, item});
}

TW_UINT32 fixBits(TW_FIX32 value) {
    TW_UINT32 bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

TW_FIX32 fixOf(TW_UINT32 bits) {
    TW_FIX32 value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

TCapabilityRet getFix(TTwainSource& source, TW_UINT16 capability, TRetrieveCap mode,
                      double& value) {
    TW_UINT32 item = 0;
    const TCapabilityRet got = getItem(source, capability, TWTY_FIX32, mode, item);
    if (got == crSuccess)
        value = fromFix32(fixOf(item));
    return got;
}

TCapabilityRet getBool(TTwainSource& source, TW_UINT16 capability, TRetrieveCap mode, bool& value) {
    TW_UINT32 item = 0;
    const TCapabilityRet got = getItem(source, capability, TWTY_BOOL, mode, item);
    if (got == crSuccess)
        value = (item & 0xFFFF) != 0;
    return got;
}

TCapabilityRet getUInt16(TTwainSource& source, TW_UINT16 capability, TRetrieveCap mode,
                         TW_UINT16& value) {
    TW_UINT32 item = 0;
    const TCapabilityRet got = getItem(source, capability, TWTY_UINT16, mode, item);
    if (got == crSuccess)
        value = TW_UINT16(item);
    return got;
}

// A code of an enumeration's type: the known codes in their order, anything else unknown.
template <typename Code>
TCapabilityRet getCode(TTwainSource& source, TW_UINT16 capability, TRetrieveCap mode,
                       Code lastKnown, Code unknown, Code& value) {
    TW_UINT16 code = 0;
    const TCapabilityRet got = getUInt16(source, capability, mode, code);
    if (got == crSuccess)
        value = code <= TW_UINT16(lastKnown) ? Code(code) : unknown;
    return got;
}

} // namespace

TW_FIX32 toFix32(double value) {
    const auto whole = std::int32_t(std::lround(value * 65536.0));
    return {TW_INT16(whole >> 16), TW_UINT16(whole & 0xFFFF)};
}

double fromFix32(TW_FIX32 value) {
    return value.Whole + value.Frac / 65536.0;
}

TTwainFormat formatOf(TW_UINT16 code) {
    return code <= 9 ? TTwainFormat(code) : tfUnknown;
}

TCapabilityRet GetCapXferCount(TTwainSource& source, int& count, TRetrieveCap mode) {
    TW_UINT32 item = 0;
    const TCapabilityRet got = getItem(source, CAP_XFERCOUNT, TWTY_INT16, mode, item);
    if (got == crSuccess)
        count = TW_INT16(item & 0xFFFF);
    return got;
}

TCapabilityRet SetCapXferCount(TTwainSource& source, int count) {
    return setItem(source, CAP_XFERCOUNT, TWTY_INT16, TW_UINT16(TW_INT16(count)));
}

TCapabilityRet SetIXferMech(TTwainSource& source, TW_UINT16 mechanism) {
    return setItem(source, ICAP_XFERMECH, TWTY_UINT16, mechanism);
}

TCapabilityRet GetICapUnits(TTwainSource& source, TTwainUnit& unit, TRetrieveCap mode) {
    return getCode(source, ICAP_UNITS, mode, tuPixels, tuUnknown, unit);
}

TCapabilityRet SetICapUnits(TTwainSource& source, TTwainUnit unit) {
    return setItem(source, ICAP_UNITS, TWTY_UINT16, TW_UINT32(unit));
}

TCapabilityRet GetIPixelFlavor(TTwainSource& source, TTwainPixelFlavor& flavor, TRetrieveCap mode) {
    return getCode(source, ICAP_PIXELFLAVOR, mode, tpfVanilla, tpfUnknown, flavor);
}

TCapabilityRet SetIPixelFlavor(TTwainSource& source, TTwainPixelFlavor flavor) {
    return setItem(source, ICAP_PIXELFLAVOR, TWTY_UINT16, TW_UINT32(flavor));
}

TCapabilityRet GetIPixelType(TTwainSource& source, TTwainPixelType& type, TRetrieveCap mode) {
    return getCode(source, ICAP_PIXELTYPE, mode, tbdBgr, tbdUnknown, type);
}

TCapabilityRet SetIPixelType(TTwainSource& source, TTwainPixelType type) {
    return setItem(source, ICAP_PIXELTYPE, TWTY_UINT16, TW_UINT32(type));
}

TCapabilityRet GetIBitDepth(TTwainSource& source, int& depth, TRetrieveCap mode) {
    TW_UINT16 value = 0;
    const TCapabilityRet got = getUInt16(source, ICAP_BITDEPTH, mode, value);
    if (got == crSuccess)
        depth = value;
    return got;
}

TCapabilityRet SetIBitDepth(TTwainSource& source, int depth) {
    return setItem(source, ICAP_BITDEPTH, TWTY_UINT16, TW_UINT16(depth));
}

TCapabilityRet GetIXResolution(TTwainSource& source, double& dpi, TRetrieveCap mode) {
    return getFix(source, ICAP_XRESOLUTION, mode, dpi);
}

TCapabilityRet GetIYResolution(TTwainSource& source, double& dpi, TRetrieveCap mode) {
    return getFix(source, ICAP_YRESOLUTION, mode, dpi);
}

TCapabilityRet SetIXResolution(TTwainSource& source, double dpi) {
    return setItem(source, ICAP_XRESOLUTION, TWTY_FIX32, fixBits(toFix32(dpi)));
}

TCapabilityRet SetIYResolution(TTwainSource& source, double dpi) {
    return setItem(source, ICAP_YRESOLUTION, TWTY_FIX32, fixBits(toFix32(dpi)));
}

TCapabilityRet GetIPhysicalWidth(TTwainSource& source, double& width, TRetrieveCap mode) {
    return getFix(source, ICAP_PHYSICALWIDTH, mode, width);
}

TCapabilityRet GetIPhysicalHeight(TTwainSource& source, double& height, TRetrieveCap mode) {
    return getFix(source, ICAP_PHYSICALHEIGHT, mode, height);
}

TCapabilityRet GetUIControllable(TTwainSource& source, bool& value) {
    return getBool(source, CAP_UICONTROLLABLE, rcGet, value);
}

TCapabilityRet GetFeederLoaded(TTwainSource& source, bool& value, TRetrieveCap mode) {
    return getBool(source, CAP_FEEDERLOADED, mode, value);
}

TCapabilityRet GetFeederEnabled(TTwainSource& source, bool& value, TRetrieveCap mode) {
    return getBool(source, CAP_FEEDERENABLED, mode, value);
}

TCapabilityRet SetFeederEnabled(TTwainSource& source, bool value) {
    return setItem(source, CAP_FEEDERENABLED, TWTY_BOOL, value ? 1 : 0);
}

TCapabilityRet GetAutofeed(TTwainSource& source, bool& value, TRetrieveCap mode) {
    return getBool(source, CAP_AUTOFEED, mode, value);
}

TCapabilityRet SetAutoFeed(TTwainSource& source, bool value) {
    return setItem(source, CAP_AUTOFEED, TWTY_BOOL, value ? 1 : 0);
}

TCapabilityRet SetIndicators(TTwainSource& source, bool value) {
    return setItem(source, CAP_INDICATORS, TWTY_BOOL, value ? 1 : 0);
}

TCapabilityRet SetImagelayoutFrame(TTwainSource& source, double left, double top, double right,
                                   double bottom) {
    if (!source.Loaded())
        return crInvalidState;
    TW_IMAGELAYOUT layout{};
    layout.Frame = {toFix32(left), toFix32(top), toFix32(right), toFix32(bottom)};
    return capabilityResult(source, source.Send(DG_IMAGE, DAT_IMAGELAYOUT, MSG_SET, &layout));
}

TCapabilityRet SetupFileTransfer(TTwainSource& source, const QString& fileName,
                                 TTwainFormat format) {
    if (!source.Loaded())
        return crInvalidState;
    TW_SETUPFILEXFER setup{};
    const QByteArray name = fileName.toLocal8Bit().left(sizeof(setup.FileName) - 1);
    std::memcpy(setup.FileName, name.constData(), std::size_t(name.size()));
    setup.Format = TW_UINT16(format);
    return capabilityResult(source, source.Send(DG_CONTROL, DAT_SETUPFILEXFER, MSG_SET, &setup));
}

} // namespace quillox::twain
