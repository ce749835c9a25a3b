#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillox::db {

// The length in bytes of the longest prefix of a UTF-8 text that fits in width bytes without
// cutting a character: the whole text's length when it fits.
std::size_t widthKept(std::string_view text, std::size_t width);

// The longest prefix of a UTF-8 text that fits in width bytes without cutting a character.
std::string cutToWidth(std::string text, std::size_t width);

// A calendar date written yyyy-mm-dd, checked; the same text back when valid.
std::optional<std::string> parseIsoDate(std::string_view text);

// A whole signed 32-bit number, optionally signed and surrounded by blanks.
std::optional<std::int32_t> parseInt32(std::string_view text);

// ASCII case-insensitive equality, as names of tables and columns are compared.
bool sameName(std::string_view a, std::string_view b);

// A bare name of letters, digits and underscores, as tables and columns are named.
bool isBareName(std::string_view name);

} // namespace quillox::db
