#include "sane_manager/capability_answers.h"

#include "sane_manager/fix32.h"
#include "sane_manager/scan_modes.h"
#include "sane_manager/scan_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace quillox::sane_manager {

using namespace twain;

namespace {

std::size_t itemSize(TW_UINT16 type) {
    return type == TWTY_INT16 || type == TWTY_UINT16 || type == TWTY_BOOL ? 2 : 4;
}

// An enumeration block as the application frees it: one heap block.
void* enumeration(const CapabilityItems& items) {
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
    const TW_FIX32 fix = toFix32(value);
    TW_UINT32 bits;
    std::memcpy(&bits, &fix, sizeof bits);
    return bits;
}

std::optional<CapabilityItems> pixelTypes(const SaneOptions& options) {
    const std::optional<TW_INT16> current = currentPixelType(options);
    if (!current)
        return std::nullopt;
    CapabilityItems items{TWTY_UINT16, {}, 0};
    for (const ScanMode& mode : availableModes(options))
        items.values.push_back(TW_UINT32(mode.pixelType));
    const auto found = std::find(items.values.begin(), items.values.end(), TW_UINT32(*current));
    items.current = std::size_t(found - items.values.begin());
    if (found == items.values.end())
        items.values.push_back(TW_UINT32(*current));
    return items;
}

std::optional<CapabilityItems> itemsFor(const SaneOptions& options, TW_UINT16 capability) {
    switch (capability) {
    case CAP_XFERCOUNT:
        return CapabilityItems{TWTY_INT16, {0xFFFF}, 0};
    case ICAP_UNITS:
        return CapabilityItems{TWTY_UINT16, {0}, 0}; // inches
    case ICAP_PIXELFLAVOR:
        return CapabilityItems{TWTY_UINT16, {0}, 0}; // chocolate: 0 is black
    case ICAP_PIXELTYPE:
        return pixelTypes(options);
    case ICAP_XRESOLUTION:
    case ICAP_YRESOLUTION:
        if (const std::optional<double> dpi = options.number("resolution"))
            return CapabilityItems{TWTY_FIX32, {fix32(*dpi)}, 0};
        return std::nullopt;
    case CAP_FEEDERENABLED:
        return CapabilityItems{
            TWTY_BOOL, {isFeeder(options.text("source").value_or("")) ? 1u : 0u}, 0};
    case CAP_FEEDERLOADED:
        return CapabilityItems{TWTY_BOOL, {0}, 0};
    case CAP_UICONTROLLABLE:
        return CapabilityItems{TWTY_BOOL, {1}, 0};
    default:
        return std::nullopt;
    }
}

} // namespace

CapabilityAnswers::CapabilityAnswers(const SaneOptions& options, TW_UINT16 transferMechanism) {
    // Both mechanisms serve every device.
    answers_.emplace(ICAP_XFERMECH, CapabilityItems{TWTY_UINT16,
                                                    {TWSX_NATIVE, TWSX_MEMORY},
                                                    transferMechanism == TWSX_MEMORY ? 1u : 0u});
    for (const TW_UINT16 capability :
         {CAP_XFERCOUNT, ICAP_UNITS, ICAP_PIXELFLAVOR, ICAP_PIXELTYPE, ICAP_XRESOLUTION,
          ICAP_YRESOLUTION, CAP_FEEDERENABLED, CAP_FEEDERLOADED, CAP_UICONTROLLABLE})
        if (std::optional<CapabilityItems> items = itemsFor(options, capability))
            answers_.emplace(capability, std::move(*items));
}

TW_UINT16 CapabilityAnswers::Answer(TW_CAPABILITY& request, TW_UINT16& condition) const {
    const auto found = answers_.find(request.Cap);
    if (found == answers_.end()) {
        condition = TWCC_CAPUNSUPPORTED;
        return TWRC_FAILURE;
    }
    void* block = enumeration(found->second);
    if (!block) {
        condition = TWCC_LOWMEMORY;
        return TWRC_FAILURE;
    }
    request.ConType = TWON_ENUMERATION;
    request.hContainer = block;
    return TWRC_SUCCESS;
}

} // namespace quillox::sane_manager
