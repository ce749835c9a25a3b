#pragma once

#include "palette.h"

#include <array>

class QPainter;

namespace quillox::artwork {

// Paints one symbol centred on a 100 x 100 icon.
using SymbolPainter = void (*)(QPainter&, const Hue&);

// The symbols people file their papers under, in the order of the icon set: house, money,
// health, car, work, school, travel, family, tax, bank, insurance, utilities, shopping, pets,
// legal, hobbies.
inline constexpr std::size_t symbolCount = 16;
const std::array<SymbolPainter, symbolCount>& symbolsInSetOrder();

} // namespace quillox::artwork
