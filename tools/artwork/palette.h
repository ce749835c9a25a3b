#pragma once

#include <QColor>
#include <array>

namespace quillox::artwork {

// One colour of the icon family: the main colour of a symbol, a light tint of it for the parts
// that lie behind, and a deep shade for the parts that must stand out from the main colour.
struct Hue {
    QColor main;
    QColor tint;
    QColor deep;
};

// The colour variants of every folder symbol, in the order of the icon set: blue, green,
// magenta, red, yellow.
inline constexpr std::size_t variantCount = 5;
const std::array<Hue, variantCount>& variantHues();

const Hue& blueHue();
const Hue& greenHue();
const Hue& redHue();
const Hue& yellowHue();

// White faces: discs, sheets, buttons.
QColor paper();
// The thin ring that keeps a white face visible on a white window.
QColor rim();
// Every drop shadow is this colour at a low opacity.
QColor shadowInk();

// The light slate ramp of the window backgrounds: 0 is white, 1 the darkest slate. Whatever
// is painted with shades of this ramp alone fits a 256-colour palette without loss.
QColor slateShade(qreal depth);

} // namespace quillox::artwork
