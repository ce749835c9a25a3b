#pragma once

#include "scan/twain/twain_protocol.h"

#include <sane/sane.h>

namespace quillox::sane_manager {

// The TWAIN condition code that tells the application what a SANE status means.
twain::TW_UINT16 conditionOf(SANE_Status status);

// The TWAIN return code of a transfer that SANE ended with status: TWRC_CANCEL when it was
// cancelled, otherwise TWRC_FAILURE with the condition stored in condition.
twain::TW_UINT16 transferFailure(SANE_Status status, twain::TW_UINT16& condition);

} // namespace quillox::sane_manager
