#include "capability_answers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quillox::sane_manager {

using namespace twain;

namespace {

struct Items {
    TW_UINT16 type;
    std::vector<TW_UINT32> values;
    std::size_t current;
};

std::size_t itemSize(TW_UINT16 type) {
    return type == TWTY_INT16 || type == TWTY_UINT16 || type == TWTY_BOOL ? 2 : 4;
}

// An enumeration block as the application frees it: one heap block.
void* enumeration(const Items& items) {
    const std::size_t size = itemSize(items.type);
    auto* block = static_cast<std::uint8_t*>(std::calloc(1, 14 + items.values.size() * size));
    if (!block)
        return nullptr;
    const auto count = TW_UINT32(items.values.size());
    const auto current = TW_UINT32(items.current);
    std::memcpy(block, &items.type, 2);
    std::memcpy(block + 2, &count, 4);
    std::memcpy(block + 6, &current, 4);
    std::memcpy(block + 10, &current, 4);
    for (std::size_t i = 0; i < items.values.size(); ++i)
        std::memcpy(block + 14 + i * size, &items.values[i], size);
    return block;
}

TW_UINT32 fix32(double value) {
    const auto whole = std::int32_t(std::lround(value * 65536.0));
    const TW_FIX32 fix{TW_INT16(whole >> 16), TW_UINT16(whole & 0xFFFF)};
    TW_UINT32 bits;
    std::memcpy(&bits, &fix, sizeof bits);
    return bits;
}

// SANE's scan modes as TWAIN pixel types; modes without one are left out.
int pixelTypeOf(const std::string& mode) {
    if (mode == "Color")
        return TWPT_RGB;
    if (mode == "Gray")
        return TWPT_GRAY;
    if (mode == "Lineart" || mode == "Binary" || mode == "Halftone")
        return TWPT_BW;
    return -1;
}

std::optional<Items> pixelTypes(const SaneOptions& options) {
    const std::optional<std::string> mode = options.Text("mode");
    if (!mode || pixelTypeOf(*mode) < 0)
        return std::nullopt;
    Items items{TWTY_UINT16, {}, 0};
    for (const std::string& choice : options.Choices("mode")) {
        const int type = pixelTypeOf(choice);
        if (type >= 0 && std::find(items.values.begin(), items.values.end(), TW_UINT32(type)) ==
                             items.values.end())
            items.values.push_back(TW_UINT32(type));
    }
    const auto current = TW_UINT32(pixelTypeOf(*mode));
    const auto found = std::find(items.values.begin(), items.values.end(), current);
    if (found == items.values.end())
        items.values.push_back(current);
    items.current = std::size_t(std::find(items.values.begin(), items.values.end(), current) -
                                items.values.begin());
    return items;
}

bool fromFeeder(const SaneOptions& options) {
    std::string source = options.Text("source").value_or("");
    std::transform(source.begin(), source.end(), source.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return source.find("adf") != std::string::npos || source.find("feeder") != std::string::npos;
}

std::optional<Items> itemsFor(const SaneOptions& options, TW_UINT16 capability) {
    switch (capability) {
    case CAP_XFERCOUNT:
        return Items{TWTY_INT16, {0xFFFF}, 0};
    case ICAP_UNITS:
        return Items{TWTY_UINT16, {0}, 0}; // inches
    case ICAP_PIXELFLAVOR:
        return Items{TWTY_UINT16, {0}, 0}; // chocolate: 0 is black
    case ICAP_PIXELTYPE:
        return pixelTypes(options);
    case ICAP_XRESOLUTION:
    case ICAP_YRESOLUTION:
        if (const std::optional<double> dpi = options.Number("resolution"))
            return Items{TWTY_FIX32, {fix32(*dpi)}, 0};
        return std::nullopt;
    case CAP_FEEDERENABLED:
        return Items{TWTY_BOOL, {fromFeeder(options) ? 1u : 0u}, 0};
    case CAP_FEEDERLOADED:
        return Items{TWTY_BOOL, {0}, 0};
    case CAP_UICONTROLLABLE:
        return Items{TWTY_BOOL, {1}, 0};
    default:
        return std::nullopt;
    }
}

} // namespace

TW_UINT16 answerCapability(const SaneOptions& options, TW_CAPABILITY& request,
                           TW_UINT16& condition) {
    const std::optional<Items> items = itemsFor(options, request.Cap);
    if (!items) {
        condition = TWCC_CAPUNSUPPORTED;
        return TWRC_FAILURE;
    }
    void* block = enumeration(*items);
    if (!block) {
        condition = TWCC_LOWMEMORY;
        return TWRC_FAILURE;
    }
    request.ConType = TWON_ENUMERATION;
    request.hContainer = block;
    return TWRC_SUCCESS;
}

} // namespace quillox::sane_manager
