#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillox::platform {

// A SHA-256 digest as its 32 bytes, half the room of its text.
using Sha256Bytes = std::array<std::uint8_t, 32>;

// The digest as 64 lowercase hexadecimal digits, as Sha256::hexDigest writes it.
std::string sha256Text(const Sha256Bytes& digest);

// The digest of 64 lowercase hexadecimal digits; nothing for any other text.
std::optional<Sha256Bytes> sha256FromText(std::string_view text);

} // namespace quillox::platform
