// libFuzzer target: what our SANE manager makes of a driver's parameters and bytes. The input
// gives SANE's parameters of a frame and then the bytes sane_read returns, in reads of varied
// size; the rows go into a packed bitmap. Nothing may be read or written outside the buffers,
// whatever the driver claims.
#include "sane_manager/packed_bitmap.h"
#include "sane_manager/row_converter.h"

#include <cstring>

using quillox::sane_manager::PackedBitmap;
using quillox::sane_manager::RowConverter;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SANE_Parameters parameters;
    if (size < sizeof parameters)
        return 0;
    std::memcpy(&parameters, data, sizeof parameters);
    std::optional<RowConverter> converter = RowConverter::For(parameters, 300);
    if (!converter)
        return 0;
    // A bitmap's block as large as a driver could claim is beyond the fuzzer's memory.
    const quillox::sane_manager::PageForm& form = converter->Form();
    const bool placed = form.height > 0 && form.stride() * std::size_t(form.height) < (1u << 24);
    std::optional<PackedBitmap> bitmap;
    if (placed)
        bitmap.emplace(form);
    std::vector<std::uint8_t> rows;
    std::size_t at = sizeof parameters;
    while (at < size) {
        const std::size_t read = std::min<std::size_t>(data[at], size - at - 1);
        const std::size_t before = rows.size();
        converter->Push(data + at + 1, read, rows);
        if (bitmap)
            bitmap->Place(before / form.stride(), rows.data() + before, rows.size() - before);
        at += read + 1;
    }
    return rows.size() % form.stride() == 0 ? 0 : 1;
}
