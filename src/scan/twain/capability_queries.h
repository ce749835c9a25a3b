#pragma once

#include "twain_protocol.h"

#include <optional>

namespace quillox::twain {

class TTwainSource;

enum TTwainUnit { tuInches, tuCentimeters, tuPicas, tuPoints, tuTwips, tuPixels, tuUnknown };
enum TTwainPixelFlavor { tpfChocolate, tpfVanilla, tpfUnknown };

// The current value of a capability whose items are 16-bit unsigned numbers, as the source
// answers MSG_GET with an enumeration; none when the call or the container does not do.
std::optional<TW_UINT16> currentUInt16(TTwainSource& source, TW_UINT16 capability);

std::optional<TTwainUnit> GetICapUnits(TTwainSource& source);
std::optional<TTwainPixelFlavor> GetIPixelFlavor(TTwainSource& source);

} // namespace quillox::twain
