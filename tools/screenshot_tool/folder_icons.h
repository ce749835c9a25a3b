#pragma once

namespace quillox::screenshots {

// The artwork's folder icons come five colours to a symbol, symbols in this order.
enum class Symbol {
    House,
    Money,
    Health,
    Car,
    Work,
    School,
    Travel,
    Family,
    Tax,
    Bank,
    Insurance,
    Utilities,
    Shopping,
    Pets,
    Legal,
    Hobbies
};
enum class Colour { Blue, Green, Magenta, Red, Amber };

// The icon index a folder's Picture holds.
constexpr int folderIcon(Symbol symbol, Colour colour) {
    return static_cast<int>(symbol) * 5 + static_cast<int>(colour);
}

// The Picture of a folder without a chosen icon.
constexpr int noFolderIcon = -1;

} // namespace quillox::screenshots
