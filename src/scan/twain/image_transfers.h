#pragma once

#include "scan/twain/twain_protocol.h"

namespace quillox::twain {

class TTwainSource;

// One image of a burst, by each of the three kinds of transfer. Each returns the source's
// final return code; on TWRC_XFERDONE the image has been handed to the component's owner
// (OnTwainAcquire, or OnSourceFileTransfer for a file).
TW_UINT16 NativeTransfer(TTwainSource& source, bool& cancel);
TW_UINT16 MemoryTransfer(TTwainSource& source, bool& cancel);
TW_UINT16 FileTransfer(TTwainSource& source, bool& cancel);

} // namespace quillox::twain
