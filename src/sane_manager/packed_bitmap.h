#pragma once

#include "page_form.h"

#include <cstdint>
#include <vector>

namespace quillox::sane_manager {

// A page as a packed device-independent bitmap in one heap block, which the application frees
// with free: the header, the colour table and the rows from the bottom up, colour in blue,
// green, red order. Rows the device never sent stay 0. Null when memory runs out.
void* packBitmap(const PageForm& form, const std::vector<std::uint8_t>& rows);

} // namespace quillox::sane_manager
