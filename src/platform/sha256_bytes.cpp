#include "platform/sha256_bytes.h"

namespace quillox::platform {
namespace {

constexpr std::string_view digits = "0123456789abcdef";

int digitValue(char digit) {
    const std::size_t at = digits.find(digit);
    return at == std::string_view::npos ? -1 : static_cast<int>(at);
}

} // namespace

std::string sha256Text(const Sha256Bytes& digest) {
    std::string text;
    text.reserve(2 * digest.size());
    for (const std::uint8_t byte : digest) {
        text += digits[byte >> 4];
        text += digits[byte & 0xf];
    }
    return text;
}

std::optional<Sha256Bytes> sha256FromText(std::string_view text) {
    Sha256Bytes digest{};
    if (text.size() != 2 * digest.size())
        return std::nullopt;
    for (std::size_t i = 0; i < digest.size(); ++i) {
        const int high = digitValue(text[2 * i]);
        const int low = digitValue(text[2 * i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        digest[i] = static_cast<std::uint8_t>(high << 4 | low);
    }
    return digest;
}

} // namespace quillox::platform
