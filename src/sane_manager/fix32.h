#pragma once

#include "scan/twain/twain_protocol.h"

#include <cmath>
#include <cstdint>

namespace quillox::sane_manager {

// TWAIN's fixed point number: a whole part and 65536ths.
inline twain::TW_FIX32 toFix32(double value) {
    const auto whole = std::int32_t(std::lround(value * 65536.0));
    return {twain::TW_INT16(whole >> 16), twain::TW_UINT16(whole & 0xFFFF)};
}

} // namespace quillox::sane_manager
