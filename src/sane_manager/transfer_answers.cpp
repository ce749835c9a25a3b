#include "sane_manager/transfer_answers.h"

#include "sane_manager/fix32.h"
#include "sane_manager/packed_bitmap.h"
#include "sane_manager/sane_conditions.h"

#include <algorithm>

namespace quillox::sane_manager {

using namespace twain;

namespace {

// Strips of about this size: few calls for a page, yet steady progress.
constexpr std::size_t preferredStrip = 256 * 1024;

// A strip of whole rows, about the preferred size.
std::size_t stripBytes(std::size_t stride) {
    return std::max<std::size_t>(1, preferredStrip / stride) * stride;
}

} // namespace

void answerImageInfo(const PageForm& form, TW_IMAGEINFO& info) {
    info = TW_IMAGEINFO{};
    info.XResolution = info.YResolution = toFix32(form.resolution);
    info.ImageWidth = form.width;
    info.ImageLength = form.height;
    info.SamplesPerPixel = form.pixelType == TWPT_RGB ? 3 : 1;
    for (int i = 0; i < info.SamplesPerPixel; ++i)
        info.BitsPerSample[i] = TW_INT16(form.bitsPerPixel / info.SamplesPerPixel);
    info.BitsPerPixel = TW_INT16(form.bitsPerPixel);
    info.PixelType = form.pixelType;
}

void answerSetupMemoryTransfer(const PageForm& form, TW_SETUPMEMXFER& setup) {
    const std::size_t stride = form.stride();
    setup.MinBufSize = TW_UINT32(stride);
    setup.Preferred = TW_UINT32(stripBytes(stride));
    setup.MaxBufSize = 16 * setup.Preferred;
}

TW_UINT16 answerMemoryStrip(ScanRun& run, const PageForm& form, TW_IMAGEMEMXFER& strip,
                            TW_UINT16& condition) {
    const std::size_t stride = form.stride();
    if (!strip.Memory.TheMem || strip.Memory.Length < stride) {
        condition = TWCC_BADVALUE;
        return TWRC_FAILURE;
    }
    ScanRun::Strip taken;
    const SANE_Status status =
        run.take(static_cast<std::uint8_t*>(strip.Memory.TheMem), strip.Memory.Length, taken);
    if (status != SANE_STATUS_GOOD)
        return transferFailure(status, condition);
    strip.Compression = 0;
    strip.BytesPerRow = TW_UINT32(stride);
    strip.Columns = TW_UINT32(form.width);
    strip.Rows = TW_UINT32(taken.bytes / stride);
    strip.XOffset = 0;
    strip.YOffset = TW_UINT32(taken.firstRow);
    strip.BytesWritten = TW_UINT32(taken.bytes);
    return taken.last ? TWRC_XFERDONE : TWRC_SUCCESS;
}

TW_UINT16 answerNativeImage(ScanRun& run, const PageForm& form, TW_HANDLE& image,
                            TW_UINT16& condition) {
    image = nullptr;
    PackedBitmap bitmap(form);
    if (!bitmap.Allocated()) {
        condition = TWCC_LOWMEMORY;
        return TWRC_FAILURE;
    }
    // The rows are placed as they arrive, while the device still scans.
    std::vector<std::uint8_t> strip(stripBytes(form.stride()));
    for (ScanRun::Strip taken; !taken.last;) {
        if (const SANE_Status status = run.take(strip.data(), strip.size(), taken);
            status != SANE_STATUS_GOOD)
            return transferFailure(status, condition);
        bitmap.Place(taken.firstRow, strip.data(), taken.bytes);
    }
    image = bitmap.Release();
    return TWRC_XFERDONE;
}

} // namespace quillox::sane_manager
