#pragma once

#include "sane_manager/sane_options.h"
#include "sane_manager/scan_modes.h"

#include <optional>
#include <string>

namespace quillox::sane_manager {

// A scan area from the top left corner of the glass, in millimetres.
struct ScanArea {
    double width;
    double height;
};

// What the source's dialog lets the user choose; what is not set stays as the device has it.
struct ScanSettings {
    std::optional<ScanMode> mode;
    std::optional<double> resolution; // dots an inch
    std::optional<ScanArea> area;
    std::optional<std::string> source; // SANE's name, such as "Flatbed"
};

// Whether SANE's name of a source means a document feeder.
bool isFeeder(const std::string& source);

// The device's settings now.
ScanSettings currentSettings(const SaneOptions& options);

// The largest area the device scans, where it gives its area in millimetres.
std::optional<ScanArea> largestArea(const SaneOptions& options);

// Sets the device's options: the source first, since it may change the area, then the mode,
// the resolution and the area. An empty text when the device took every one, otherwise what
// it refused, for the user.
std::string applySettings(const SaneOptions& options, const ScanSettings& settings);

} // namespace quillox::sane_manager
