#pragma once

#include "sane_manager/sane_options.h"
#include "scan/twain/twain_protocol.h"

#include <optional>
#include <string>
#include <vector>

namespace quillox::sane_manager {

// A kind of picture the application takes (colour, gray or black and white) and the SANE mode
// and bit depth that give it on one device.
struct ScanMode {
    twain::TW_INT16 pixelType;
    std::string mode;
    int depth; // 0 leaves the device's depth as the mode sets it
};

// The device's modes the application can take, colour first, each kind once. A device without
// a black and white mode gives one by gray at 1 bit when it offers that depth.
std::vector<ScanMode> availableModes(const SaneOptions& options);

// The kind of picture the device's current settings give, if the application takes it.
std::optional<twain::TW_INT16> currentPixelType(const SaneOptions& options);

// False when the device refuses the mode or its depth.
bool applyMode(const SaneOptions& options, const ScanMode& mode);

} // namespace quillox::sane_manager
