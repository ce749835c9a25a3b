#pragma once

#include "sane_manager/sane_options.h"
#include "scan/twain/twain_protocol.h"

#include <cstddef>
#include <map>
#include <vector>

namespace quillox::sane_manager {

// A capability's values as an enumeration, with the current one chosen.
struct CapabilityItems {
    twain::TW_UINT16 type;
    std::vector<twain::TW_UINT32> values;
    std::size_t current;
};

// The answers to the capabilities the application asks, taken from a device's SANE options at
// one moment: SANE's options are read while the device is idle, the answers also while it
// scans.
class CapabilityAnswers {
public:
    // The transfer mechanism is the one the application set, TWSX_NATIVE or TWSX_MEMORY.
    CapabilityAnswers(const SaneOptions& options, twain::TW_UINT16 transferMechanism);

    // An enumeration of the values the device offers, in a block the application frees. A
    // capability it does not know fails with TWCC_CAPUNSUPPORTED, given back in condition.
    twain::TW_UINT16 Answer(twain::TW_CAPABILITY& request, twain::TW_UINT16& condition) const;

private:
    std::map<twain::TW_UINT16, CapabilityItems> answers_;
};

} // namespace quillox::sane_manager
