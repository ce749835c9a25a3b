#pragma once

#include "scan_run.h"
#include "twain_protocol.h"

namespace quillox::sane_manager {

// The image triplets answered from the scan in hand. Each returns the TWAIN return code and,
// on TWRC_FAILURE, leaves the reason in condition.
twain::TW_UINT16 answerImageInfo(ScanRun& run, twain::TW_IMAGEINFO& info,
                                 twain::TW_UINT16& condition);
twain::TW_UINT16 answerSetupMemoryTransfer(ScanRun& run, twain::TW_SETUPMEMXFER& setup,
                                           twain::TW_UINT16& condition);
// One strip of whole rows into the application's buffer; TWRC_XFERDONE with the last.
twain::TW_UINT16 answerMemoryStrip(ScanRun& run, twain::TW_IMAGEMEMXFER& strip,
                                   twain::TW_UINT16& condition);
// The whole page as a packed bitmap, which the application owns from then on.
twain::TW_UINT16 answerNativeImage(ScanRun& run, twain::TW_HANDLE& image,
                                   twain::TW_UINT16& condition);

} // namespace quillox::sane_manager
