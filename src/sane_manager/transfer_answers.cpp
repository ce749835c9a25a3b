#include "transfer_answers.h"

#include "fix32.h"
#include "packed_bitmap.h"
#include "sane_conditions.h"

#include <algorithm>

namespace quillox::sane_manager {

using namespace twain;

namespace {

// Strips of about this size: few calls for a page, yet steady progress.
constexpr std::size_t preferredStrip = 256 * 1024;

// The page's form once its height is known, as every transfer needs it.
TW_UINT16 formOf(ScanRun& run, PageForm& form, TW_UINT16& condition) {
    const SANE_Status status = run.WaitForm(form, true);
    return status == SANE_STATUS_GOOD ? TWRC_SUCCESS : transferFailure(status, condition);
}

} // namespace

TW_UINT16 answerImageInfo(ScanRun& run, TW_IMAGEINFO& info, TW_UINT16& condition) {
    PageForm form;
    if (const TW_UINT16 result = formOf(run, form, condition); result != TWRC_SUCCESS)
        return result;
    info = TW_IMAGEINFO{};
    info.XResolution = info.YResolution = toFix32(form.resolution);
    info.ImageWidth = form.width;
    info.ImageLength = form.height;
    info.SamplesPerPixel = form.pixelType == TWPT_RGB ? 3 : 1;
    for (int i = 0; i < info.SamplesPerPixel; ++i)
        info.BitsPerSample[i] = TW_INT16(form.bitsPerPixel / info.SamplesPerPixel);
    info.BitsPerPixel = TW_INT16(form.bitsPerPixel);
    info.PixelType = form.pixelType;
    return TWRC_SUCCESS;
}

TW_UINT16 answerSetupMemoryTransfer(ScanRun& run, TW_SETUPMEMXFER& setup, TW_UINT16& condition) {
    PageForm form;
    if (const TW_UINT16 result = formOf(run, form, condition); result != TWRC_SUCCESS)
        return result;
    const std::size_t stride = form.stride();
    setup.MinBufSize = TW_UINT32(stride);
    setup.Preferred = TW_UINT32(std::max<std::size_t>(1, preferredStrip / stride) * stride);
    setup.MaxBufSize = std::max(setup.Preferred, TW_UINT32(16 * preferredStrip / stride * stride));
    return TWRC_SUCCESS;
}

TW_UINT16 answerMemoryStrip(ScanRun& run, TW_IMAGEMEMXFER& strip, TW_UINT16& condition) {
    PageForm form;
    if (const TW_UINT16 result = formOf(run, form, condition); result != TWRC_SUCCESS)
        return result;
    const std::size_t stride = form.stride();
    if (!strip.Memory.TheMem || strip.Memory.Length < stride) {
        condition = TWCC_BADVALUE;
        return TWRC_FAILURE;
    }
    ScanRun::Strip taken;
    const SANE_Status status =
        run.Take(static_cast<std::uint8_t*>(strip.Memory.TheMem), strip.Memory.Length, taken);
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

TW_UINT16 answerNativeImage(ScanRun& run, TW_HANDLE& image, TW_UINT16& condition) {
    image = nullptr;
    PageForm form;
    if (const TW_UINT16 result = formOf(run, form, condition); result != TWRC_SUCCESS)
        return result;
    PackedBitmap bitmap(form);
    if (!bitmap.Allocated()) {
        condition = TWCC_LOWMEMORY;
        return TWRC_FAILURE;
    }
    // The rows are placed as they arrive, while the device still scans.
    const std::size_t stride = form.stride();
    std::vector<std::uint8_t> strip(std::max<std::size_t>(1, preferredStrip / stride) * stride);
    for (ScanRun::Strip taken; !taken.last;) {
        if (const SANE_Status status = run.Take(strip.data(), strip.size(), taken);
            status != SANE_STATUS_GOOD)
            return transferFailure(status, condition);
        bitmap.Place(taken.firstRow, strip.data(), taken.bytes);
    }
    image = bitmap.Release();
    return TWRC_XFERDONE;
}

} // namespace quillox::sane_manager
