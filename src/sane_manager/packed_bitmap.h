#pragma once

#include "sane_manager/page_form.h"

#include <cstddef>
#include <cstdint>

namespace quillox::sane_manager {

// A page as a packed device-independent bitmap in one heap block, which the application frees
// with free: the header, the colour table and the rows from the bottom up, colour in blue,
// green, red order. Rows are placed as they arrive; rows the device never sends stay 0.
class PackedBitmap {
public:
    explicit PackedBitmap(const PageForm& form);
    ~PackedBitmap();
    PackedBitmap(const PackedBitmap&) = delete;
    PackedBitmap& operator=(const PackedBitmap&) = delete;

    // False when memory ran out.
    bool Allocated() const { return block_ != nullptr; }
    // Whole rows of the page's row form, from the given row down; rows past the last are
    // dropped.
    void Place(std::size_t firstRow, const std::uint8_t* rows, std::size_t bytes);
    // The block, the caller's from then on.
    void* Release();

private:
    PageForm form_;
    std::uint8_t* block_ = nullptr;
    std::uint8_t* pixels_ = nullptr;
};

} // namespace quillox::sane_manager
