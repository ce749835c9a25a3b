#include "db/sql/input_excerpt.h"

namespace quillox::sql {
namespace {

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

} // namespace

std::string inputExcerpt(std::string_view input) {
    std::string excerpt;
    std::size_t characters = 0;
    for (const char byte : input) {
        if (startsCharacter(byte) && ++characters > maxQuotedCharacters)
            return excerpt + "\xE2\x80\xA6";
        if (byte == '\0')
            excerpt += "\xEF\xBF\xBD";
        else
            excerpt += byte;
    }
    return excerpt;
}

} // namespace quillox::sql
