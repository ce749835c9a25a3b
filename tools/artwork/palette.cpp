#include "palette.h"

namespace quillox::artwork {
namespace {

constexpr int blue = 0;
constexpr int green = 1;
constexpr int red = 3;
constexpr int yellow = 4;

} // namespace

const std::array<Hue, variantCount>& variantHues() {
    // Saturated but not garish; the yellow is an amber so that it reads on white.
    static const std::array<Hue, variantCount> hues{{
        {QColor(0x2F6FDB), QColor(0xB5CDF4), QColor(0x1B4A9C)},
        {QColor(0x22A05E), QColor(0xABDEC2), QColor(0x146B3D)},
        {QColor(0xC2358F), QColor(0xECB3D7), QColor(0x86205F)},
        {QColor(0xDD4137), QColor(0xF5BDB9), QColor(0x9C2620)},
        {QColor(0xE09E00), QColor(0xF6DCA0), QColor(0x9A6A00)},
    }};
    return hues;
}

const Hue& blueHue() {
    return variantHues()[blue];
}

const Hue& greenHue() {
    return variantHues()[green];
}

const Hue& redHue() {
    return variantHues()[red];
}

const Hue& yellowHue() {
    return variantHues()[yellow];
}

QColor paper() {
    return QColor(0xFFFFFF);
}

QColor rim() {
    return QColor(0xD9DFE7);
}

QColor shadowInk() {
    return QColor(0x1C2838);
}

QColor slateShade(qreal depth) {
    const QColor darkest(0x53698A);
    const auto channel = [depth](int dark) { return qRound(255 + (dark - 255) * depth); };
    return QColor(channel(darkest.red()), channel(darkest.green()), channel(darkest.blue()));
}

} // namespace quillox::artwork
