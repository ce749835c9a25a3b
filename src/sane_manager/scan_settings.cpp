#include "sane_manager/scan_settings.h"

#include <algorithm>
#include <cctype>

namespace quillox::sane_manager {

namespace {

bool hasMillimetreArea(const SaneOptions& options) {
    for (const char* name : {"tl-x", "tl-y", "br-x", "br-y"})
        if (!options.inMillimetres(name))
            return false;
    return true;
}

} // namespace

bool isFeeder(const std::string& source) {
    std::string lower = source;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return lower.find("adf") != std::string::npos || lower.find("feeder") != std::string::npos;
}

ScanSettings currentSettings(const SaneOptions& options) {
    ScanSettings settings;
    if (const std::optional<twain::TW_INT16> type = currentPixelType(options)) {
        const std::vector<ScanMode> modes = availableModes(options);
        const auto found = std::find_if(modes.begin(), modes.end(), [type](const ScanMode& mode) {
            return mode.pixelType == *type;
        });
        if (found != modes.end())
            settings.mode = *found;
    }
    settings.resolution = options.number("resolution");
    if (hasMillimetreArea(options))
        settings.area = ScanArea{*options.number("br-x") - *options.number("tl-x"),
                                 *options.number("br-y") - *options.number("tl-y")};
    settings.source = options.text("source");
    return settings;
}

std::optional<ScanArea> largestArea(const SaneOptions& options) {
    if (!hasMillimetreArea(options))
        return std::nullopt;
    const std::optional<NumberRange> x = options.range("br-x");
    const std::optional<NumberRange> y = options.range("br-y");
    if (!x || !y)
        return std::nullopt;
    return ScanArea{x->maximum, y->maximum};
}

std::string applySettings(const SaneOptions& options, const ScanSettings& settings) {
    if (settings.source && !options.setText("source", *settings.source))
        return "The scanner cannot scan from " + *settings.source + ".";
    if (settings.mode && !applyMode(options, *settings.mode))
        return "The scanner refused the mode " + settings.mode->mode + ".";
    if (settings.resolution && !options.setNumber("resolution", *settings.resolution))
        return "The scanner refused the resolution.";
    if (settings.area && hasMillimetreArea(options)) {
        const double left = options.range("tl-x") ? options.range("tl-x")->minimum : 0;
        const double top = options.range("tl-y") ? options.range("tl-y")->minimum : 0;
        if (!options.setNumber("tl-x", left) || !options.setNumber("tl-y", top) ||
            !options.setNumber("br-x", left + settings.area->width) ||
            !options.setNumber("br-y", top + settings.area->height))
            return "The scanner refused the scan area.";
    }
    return {};
}

} // namespace quillox::sane_manager
