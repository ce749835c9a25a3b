#include "sane_manager/row_converter.h"

#include <algorithm>
#include <cstring>

namespace quillox::sane_manager {

using namespace twain;

namespace {

// Far beyond any scanner's line, and small enough that sizes cannot overflow.
constexpr SANE_Int largestWidth = 1 << 20;

std::uint8_t sampleAt(const std::uint8_t* line, std::size_t index, int depth) {
    switch (depth) {
    case 1:
        return (line[index / 8] >> (7 - index % 8)) & 1 ? 255 : 0;
    case 8:
        return line[index];
    default: {
        std::uint16_t sample;
        std::memcpy(&sample, line + 2 * index, 2); // SANE's 16-bit samples are in host order
        return std::uint8_t(sample >> 8);
    }
    }
}

} // namespace

int frameOf(const SANE_Parameters& parameters) {
    int frame;
    static_assert(sizeof frame == sizeof parameters.format);
    std::memcpy(&frame, &parameters.format, sizeof frame);
    return frame;
}

std::optional<RowConverter> RowConverter::For(const SANE_Parameters& parameters,
                                              double resolution) {
    const int depth = parameters.depth;
    const SANE_Int width = parameters.pixels_per_line;
    if ((depth != 1 && depth != 8 && depth != 16) || width <= 0 || width > largestWidth ||
        parameters.lines < -1 || parameters.lines == 0 || parameters.lines > largestWidth)
        return std::nullopt;
    PageForm form;
    form.width = width;
    form.height = parameters.lines;
    form.resolution = resolution;
    int channels = 1;
    switch (frameOf(parameters)) {
    case SANE_FRAME_RGB:
        channels = 3;
        form.pixelType = TWPT_RGB;
        form.bitsPerPixel = 24;
        break;
    case SANE_FRAME_GRAY:
        form.pixelType = depth == 1 ? TWPT_BW : TWPT_GRAY;
        form.bitsPerPixel = depth == 1 ? 1 : 8;
        break;
    case SANE_FRAME_RED:
    case SANE_FRAME_GREEN:
    case SANE_FRAME_BLUE:
        form.pixelType = TWPT_GRAY;
        form.bitsPerPixel = 8;
        break;
    default:
        return std::nullopt;
    }
    const auto needed = (std::size_t(width) * std::size_t(channels * depth) + 7) / 8;
    if (parameters.bytes_per_line <= 0 || std::size_t(parameters.bytes_per_line) < needed ||
        std::size_t(parameters.bytes_per_line) > 16 * needed + 64)
        return std::nullopt;
    return RowConverter(parameters, form, channels);
}

RowConverter::RowConverter(const SANE_Parameters& parameters, const PageForm& form, int channels)
    : form_(form), depth_(parameters.depth), channels_(channels),
      line_(std::size_t(parameters.bytes_per_line)) {}

void RowConverter::Push(const std::uint8_t* bytes, std::size_t count,
                        std::vector<std::uint8_t>& rows) {
    const std::size_t stride = form_.stride();
    while (count > 0) {
        const std::size_t taken = std::min(count, line_.size() - filled_);
        std::memcpy(line_.data() + filled_, bytes, taken);
        filled_ += taken;
        bytes += taken;
        count -= taken;
        if (filled_ == line_.size()) {
            rows.resize(rows.size() + stride, 0);
            ConvertLine(rows.data() + rows.size() - stride);
            filled_ = 0;
        }
    }
}

void RowConverter::ConvertLine(std::uint8_t* row) const {
    const auto width = std::size_t(form_.width);
    if (form_.bitsPerPixel == 1) {
        // SANE's black and white has 1 for black; the bits past the width stay 0.
        const std::size_t bytes = (width + 7) / 8;
        for (std::size_t i = 0; i < bytes; ++i)
            row[i] = std::uint8_t(~line_[i]);
        if (width % 8)
            row[bytes - 1] &= std::uint8_t(0xFF << (8 - width % 8));
        return;
    }
    const std::size_t samples = width * std::size_t(channels_);
    if (depth_ == 8) {
        std::memcpy(row, line_.data(), samples);
        return;
    }
    for (std::size_t i = 0; i < samples; ++i)
        row[i] = sampleAt(line_.data(), i, depth_);
}

} // namespace quillox::sane_manager
