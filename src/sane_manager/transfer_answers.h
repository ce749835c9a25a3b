#pragma once

#include "sane_manager/scan_run.h"
#include "scan/twain/twain_protocol.h"

namespace quillox::sane_manager {

// The image triplets answered from the scan in hand, once its page's form is known.
void answerImageInfo(const PageForm& form, twain::TW_IMAGEINFO& info);
void answerSetupMemoryTransfer(const PageForm& form, twain::TW_SETUPMEMXFER& setup);
// One strip of whole rows into the application's buffer; TWRC_XFERDONE with the last. On
// TWRC_FAILURE the reason is left in condition.
twain::TW_UINT16 answerMemoryStrip(ScanRun& run, const PageForm& form,
                                   twain::TW_IMAGEMEMXFER& strip, twain::TW_UINT16& condition);
// The whole page as a packed bitmap, which the application owns from then on.
twain::TW_UINT16 answerNativeImage(ScanRun& run, const PageForm& form, twain::TW_HANDLE& image,
                                   twain::TW_UINT16& condition);

} // namespace quillox::sane_manager
