#include "sane_manager/scan_modes.h"

#include <algorithm>
#include <cctype>

namespace quillox::sane_manager {

using namespace twain;

namespace {

bool mentions(std::string text, const char* word) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return text.find(word) != std::string::npos;
}

// SANE names its modes freely; the usual words tell the kind.
std::optional<TW_INT16> pixelTypeOfMode(const std::string& mode) {
    if (mentions(mode, "color") || mentions(mode, "colour"))
        return TWPT_RGB;
    if (mentions(mode, "gray") || mentions(mode, "grey"))
        return TWPT_GRAY;
    if (mentions(mode, "lineart") || mentions(mode, "binary") || mentions(mode, "halftone") ||
        mentions(mode, "black"))
        return TWPT_BW;
    return std::nullopt;
}

bool offersDepth(const SaneOptions& options, int depth) {
    const std::vector<double> depths = options.numberChoices("depth");
    return std::find(depths.begin(), depths.end(), double(depth)) != depths.end();
}

} // namespace

std::vector<ScanMode> availableModes(const SaneOptions& options) {
    std::vector<ScanMode> modes;
    const auto has = [&modes](TW_INT16 type) {
        return std::any_of(modes.begin(), modes.end(),
                           [type](const ScanMode& mode) { return mode.pixelType == type; });
    };
    std::vector<std::string> choices = options.choices("mode");
    if (choices.empty())
        if (const std::optional<std::string> current = options.text("mode"))
            choices.push_back(*current);
    for (const TW_INT16 type : {TWPT_RGB, TWPT_GRAY, TWPT_BW}) {
        for (const std::string& choice : choices) {
            if (pixelTypeOfMode(choice) != type || has(type))
                continue;
            const int depth = type != TWPT_BW && offersDepth(options, 8) ? 8 : 0;
            modes.push_back({type, choice, depth});
        }
    }
    if (!has(TWPT_BW) && offersDepth(options, 1)) {
        const auto gray = std::find_if(modes.begin(), modes.end(), [](const ScanMode& mode) {
            return mode.pixelType == TWPT_GRAY;
        });
        if (gray != modes.end())
            modes.push_back({TWPT_BW, gray->mode, 1});
    }
    return modes;
}

std::optional<TW_INT16> currentPixelType(const SaneOptions& options) {
    const std::optional<std::string> mode = options.text("mode");
    if (!mode)
        return std::nullopt;
    const std::optional<TW_INT16> type = pixelTypeOfMode(*mode);
    if (type == TWPT_GRAY && options.number("depth") == 1.0)
        return TWPT_BW;
    return type;
}

bool applyMode(const SaneOptions& options, const ScanMode& mode) {
    if (options.text("mode") != mode.mode && !options.setText("mode", mode.mode))
        return false;
    return mode.depth == 0 || !options.has("depth") || options.setNumber("depth", mode.depth);
}

} // namespace quillox::sane_manager
