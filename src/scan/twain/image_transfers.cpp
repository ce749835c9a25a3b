#include "scan/twain/image_transfers.h"

#include "platform/device_independent_bitmap.h"
#include "scan/twain/native_image.h"
#include "scan/twain/strip_filler.h"
#include "scan/twain/transfer_refusal.h"
#include "scan/twain/twain_component.h"
#include "scan/twain/typed_capabilities.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <malloc.h>
#include <memory>
#include <vector>

namespace quillox::twain {
namespace {

using platform::DeviceIndependentBitmap;

// The largest picture a memory transfer takes: far beyond any scanner's page.
constexpr std::uint64_t largestPixelBytes = std::uint64_t(1) << 31;

struct FreeBlock {
    void operator()(void* block) const { std::free(block); }
};

// Without a unit the source answered, no resolution is recorded: tuUnknown.
std::int32_t pelsPerMeter(double resolution, TTwainUnit unit) {
    if (unit == tuInches)
        return std::int32_t(std::trunc(resolution / 2.54 * 100));
    if (unit == tuCentimeters)
        return std::int32_t(std::trunc(resolution * 100));
    return 0;
}

std::vector<QRgb> grayRamp() {
    std::vector<QRgb> ramp;
    for (int i = 0; i < 256; ++i)
        ramp.push_back(qRgb(i, i, i));
    return ramp;
}

std::vector<QRgb> colourTable(TTwainSource& source, TW_INT16 pixelType) {
    switch (pixelType) {
    case TWPT_BW:
        if (TTwainPixelFlavor flavor = tpfChocolate;
            GetIPixelFlavor(source, flavor) == crSuccess && flavor == tpfVanilla)
            return {qRgb(255, 255, 255), qRgb(0, 0, 0)};
        return {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    case TWPT_GRAY:
        return grayRamp();
    case TWPT_RGB:
        return {};
    default: {
        TW_PALETTE8 palette{};
        if (source.Send(DG_IMAGE, DAT_PALETTE8, MSG_GET, &palette) != TWRC_SUCCESS ||
            palette.NumColors == 0 || palette.NumColors > 256)
            return grayRamp();
        std::vector<QRgb> table;
        for (int i = 0; i < palette.NumColors; ++i)
            table.push_back(qRgb(palette.Colors[i].Channel1, palette.Colors[i].Channel2,
                                 palette.Colors[i].Channel3));
        return table;
    }
    }
}

// How the rows of a memory transfer of that pixel type and depth become bitmap rows: the depths
// of a packed bitmap, 16-bit gray narrowed to 8 bits, red-green-blue turned to the bitmap's
// blue-green-red.
StripSamples samplesOf(TW_INT16 pixelType, int bits) {
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        refuseTransfer(
            QString("it reported %1 bits a pixel, a depth that Quillox cannot show.").arg(bits));
    if (bits == 16 && pixelType == TWPT_GRAY)
        return StripSamples::Gray16;
    if (pixelType != TWPT_RGB)
        return StripSamples::AsBitmap;
    return bits == 24   ? StripSamples::RedGreenBlue
           : bits == 32 ? StripSamples::RedGreenBluePadded
                        : StripSamples::AsBitmap;
}

// An empty bitmap of the image's size and form, or the failing return code.
TW_UINT16 prepareMemoryBitmap(TTwainSource& source, DeviceIndependentBitmap& bitmap,
                              StripSamples& samples) {
    TW_IMAGEINFO info{};
    if (const TW_UINT16 result = source.Send(DG_IMAGE, DAT_IMAGEINFO, MSG_GET, &info);
        result != TWRC_SUCCESS)
        return result;
    samples = samplesOf(info.PixelType, info.BitsPerPixel);
    if (info.ImageWidth <= 0 || info.ImageLength <= 0)
        refuseTransfer("it reported an image without pixels.");
    bitmap.width = info.ImageWidth;
    bitmap.height = info.ImageLength;
    bitmap.bitsPerPixel = samples == StripSamples::Gray16 ? 8 : info.BitsPerPixel;
    if (std::uint64_t(bitmap.stride()) * std::uint64_t(bitmap.height) > largestPixelBytes)
        refuseTransfer("it reported an image too large to hold.");
    TTwainUnit unit = tuUnknown;
    if (GetICapUnits(source, unit) != crSuccess)
        unit = tuUnknown;
    bitmap.xPelsPerMeter = pelsPerMeter(fromFix32(info.XResolution), unit);
    bitmap.yPelsPerMeter = pelsPerMeter(fromFix32(info.YResolution), unit);
    bitmap.colorTable = colourTable(source, info.PixelType);
    if (const int bits = bitmap.bitsPerPixel;
        bits <= 8 && bitmap.colorTable.size() > (std::size_t(1) << bits))
        bitmap.colorTable.resize(std::size_t(1) << bits);
    bitmap.pixels.assign(bitmap.stride() * std::size_t(bitmap.height), 0);
    return TWRC_SUCCESS;
}

} // namespace

TW_UINT16 NativeTransfer(TTwainSource& source, bool& cancel) {
    TW_HANDLE handle = nullptr;
    const TW_UINT16 result = source.Send(DG_IMAGE, DAT_IMAGENATIVEXFER, MSG_GET, &handle);
    // The application owns the block after the transfer, whatever became of it.
    const std::unique_ptr<void, FreeBlock> owned(handle);
    if (result != TWRC_XFERDONE)
        return result;
    if (!handle)
        refuseTransfer("it delivered no image.");
    const DeviceIndependentBitmap bitmap =
        nativeImage(static_cast<const std::uint8_t*>(handle), malloc_usable_size(handle));
    TTwainComponent& component = source.Component();
    if (component.OnTwainAcquire)
        component.OnTwainAcquire(component, source.Index(), bitmap, cancel);
    return result;
}

TW_UINT16 MemoryTransfer(TTwainSource& source, bool& cancel) {
    DeviceIndependentBitmap bitmap;
    StripSamples samples = StripSamples::AsBitmap;
    if (const TW_UINT16 prepared = prepareMemoryBitmap(source, bitmap, samples);
        prepared != TWRC_SUCCESS)
        return prepared;
    TW_SETUPMEMXFER setup{};
    TW_UINT16 result = source.Send(DG_CONTROL, DAT_SETUPMEMXFER, MSG_GET, &setup);
    if (result != TWRC_SUCCESS || setup.Preferred == 0)
        refuseTransfer("it offered no buffer size for a memory transfer.");
    std::vector<std::uint8_t> buffer(setup.Preferred);
    TTwainComponent& component = source.Component();
    StripFiller filler(bitmap, samples, [&](int current, int total) {
        if (component.OnAcquireProgress)
            component.OnAcquireProgress(source, source.Index(), bitmap, current, total);
    });
    while (result == TWRC_SUCCESS) {
        TW_IMAGEMEMXFER strip;
        std::memset(&strip, 0xFF, sizeof strip);
        strip.Memory = {TWMF_APPOWNS | TWMF_POINTER, setup.Preferred, buffer.data()};
        strip.BytesWritten = 0;
        result = source.Send(DG_IMAGE, DAT_IMAGEMEMXFER, MSG_GET, &strip);
        if (result != TWRC_SUCCESS && result != TWRC_XFERDONE)
            break;
        if (strip.BytesWritten > buffer.size())
            refuseTransfer("it reported more bytes than its buffer holds.");
        filler.Place(buffer.data(), strip.BytesWritten);
    }
    if (result != TWRC_XFERDONE)
        return result;
    if (component.OnTwainAcquire)
        component.OnTwainAcquire(component, source.Index(), bitmap, cancel);
    return result;
}

TW_UINT16 FileTransfer(TTwainSource& source, bool& cancel) {
    TTwainComponent& component = source.Component();
    if (component.OnSourceSetupFileXfer)
        component.OnSourceSetupFileXfer(component, source.Index());
    TW_SETUPFILEXFER setup{};
    source.Send(DG_CONTROL, DAT_SETUPFILEXFER, MSG_GET, &setup);
    const TW_UINT16 result = source.Send(DG_IMAGE, DAT_IMAGEFILEXFER, MSG_GET, nullptr);
    if (result == TWRC_XFERDONE && component.OnSourceFileTransfer) {
        const QString name =
            QString::fromLocal8Bit(setup.FileName, qsizetype(strnlen(setup.FileName, 256)));
        component.OnSourceFileTransfer(component, source.Index(), name, formatOf(setup.Format),
                                       cancel);
    }
    return result;
}

} // namespace quillox::twain
