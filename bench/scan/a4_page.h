#pragma once

#include <cstddef>

// An A4 page scanned at 600 dots an inch in colour, as the benchmark's source delivers it.
namespace a4Page {

constexpr int width = 4960;
constexpr int height = 7016;
constexpr int dotsPerInch = 600;
constexpr int bitsPerPixel = 24;
// Each row padded to a whole number of 32-bit words, as a bitmap holds it.
constexpr std::size_t stride = (std::size_t(width) * bitsPerPixel + 31) / 32 * 4;
constexpr std::size_t pixelBytes = stride * height;
constexpr long stripBytes = 64 * 1024;

} // namespace a4Page
