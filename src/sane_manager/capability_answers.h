#pragma once

#include "sane_options.h"
#include "twain_protocol.h"

namespace quillox::sane_manager {

// Answers a capability query of an open device from its SANE options, as an enumeration of the
// values the device offers with the current one chosen. A capability it does not know fails
// with TWCC_CAPUNSUPPORTED, given back in condition.
twain::TW_UINT16 answerCapability(const SaneOptions& options, twain::TW_CAPABILITY& request,
                                  twain::TW_UINT16& condition);

} // namespace quillox::sane_manager
