#pragma once

#include <string>
#include <string_view>

namespace quillox::sql {

// Characters of input that a message quotes at most; longer input ends in "…".
constexpr std::size_t maxQuotedCharacters = 100;

// Input (a name, a value, a statement's token, a command) as a message quotes it: its first
// maxQuotedCharacters characters of UTF-8, and "…" when there were more, so that hostile input
// never fills a message. Messages are C strings, which a NUL byte would cut short, so NUL
// shows as the replacement character.
std::string inputExcerpt(std::string_view input);

} // namespace quillox::sql
