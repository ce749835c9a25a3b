#pragma once

#include "scan/twain/capability_containers.h"

#include <QString>

namespace quillox::twain {

enum TTwainUnit { tuInches, tuCentimeters, tuPicas, tuPoints, tuTwips, tuPixels, tuUnknown };
enum TTwainPixelFlavor { tpfChocolate, tpfVanilla, tpfUnknown };
enum TTwainPixelType {
    tbdBw,
    tbdGray,
    tbdRgb,
    tbdPalette,
    tbdCmy,
    tbdCmyk,
    tbdYuv,
    tbdYuvk,
    tbdCieXYZ,
    tbdUnknown,
    tbdUnknown1,
    tbdUnknown2,
    tbdBgr
};
enum TTwainFormat {
    tfTIFF,
    tfPict,
    tfBMP,
    tfXBM,
    tfJPEG,
    tfFPX,
    tfTIFFMulti,
    tfPNG,
    tfSPIFF,
    tfEXIF,
    tfUnknown
};

// A TWAIN file format code as a format: codes 0 to 9 keep their order, anything else is unknown.
TTwainFormat formatOf(TW_UINT16 code);

// The typed capabilities of a source. A getter reads an enumeration's item at its current
// index (at its default index with rcGetDefault); items of another type give crUnsupported.
// A setter sends a one-value container.
TCapabilityRet GetCapXferCount(TTwainSource& source, int& count, TRetrieveCap mode = rcGet);
TCapabilityRet SetCapXferCount(TTwainSource& source, int count);
TCapabilityRet GetICapUnits(TTwainSource& source, TTwainUnit& unit, TRetrieveCap mode = rcGet);
TCapabilityRet SetICapUnits(TTwainSource& source, TTwainUnit unit);
TCapabilityRet GetIPixelFlavor(TTwainSource& source, TTwainPixelFlavor& flavor,
                               TRetrieveCap mode = rcGet);
TCapabilityRet SetIPixelFlavor(TTwainSource& source, TTwainPixelFlavor flavor);
TCapabilityRet GetIPixelType(TTwainSource& source, TTwainPixelType& type,
                             TRetrieveCap mode = rcGet);
TCapabilityRet SetIPixelType(TTwainSource& source, TTwainPixelType type);
TCapabilityRet GetIBitDepth(TTwainSource& source, int& depth, TRetrieveCap mode = rcGet);
TCapabilityRet SetIBitDepth(TTwainSource& source, int depth);
TCapabilityRet GetIXResolution(TTwainSource& source, double& dpi, TRetrieveCap mode = rcGet);
TCapabilityRet GetIYResolution(TTwainSource& source, double& dpi, TRetrieveCap mode = rcGet);
TCapabilityRet SetIXResolution(TTwainSource& source, double dpi);
TCapabilityRet SetIYResolution(TTwainSource& source, double dpi);
TCapabilityRet GetIPhysicalWidth(TTwainSource& source, double& width, TRetrieveCap mode = rcGet);
TCapabilityRet GetIPhysicalHeight(TTwainSource& source, double& height, TRetrieveCap mode = rcGet);
TCapabilityRet GetUIControllable(TTwainSource& source, bool& value);
TCapabilityRet GetFeederLoaded(TTwainSource& source, bool& value, TRetrieveCap mode = rcGet);
TCapabilityRet GetFeederEnabled(TTwainSource& source, bool& value, TRetrieveCap mode = rcGet);
TCapabilityRet SetFeederEnabled(TTwainSource& source, bool value);
TCapabilityRet GetAutofeed(TTwainSource& source, bool& value, TRetrieveCap mode = rcGet);
TCapabilityRet SetAutoFeed(TTwainSource& source, bool value);
TCapabilityRet SetIndicators(TTwainSource& source, bool value);
// The transfer mechanism the source is to use: TWSX_NATIVE, TWSX_FILE or TWSX_MEMORY.
TCapabilityRet SetIXferMech(TTwainSource& source, TW_UINT16 mechanism);
// The scan area, in the source's current unit.
TCapabilityRet SetImagelayoutFrame(TTwainSource& source, double left, double top, double right,
                                   double bottom);
// Asks a file transfer into that file, in that format.
TCapabilityRet SetupFileTransfer(TTwainSource& source, const QString& fileName,
                                 TTwainFormat format);

TW_FIX32 toFix32(double value);
double fromFix32(TW_FIX32 value);

} // namespace quillox::twain
