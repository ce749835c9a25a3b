#include "capability_queries.h"

#include "twain_source.h"

#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace quillox::twain {
namespace {

constexpr TW_UINT16 TWON_ENUMERATION = 4;
constexpr TW_UINT16 TWON_DONTCARE16 = 0xFFFF;
constexpr TW_UINT16 TWTY_UINT16 = 0x0004;
constexpr TW_UINT16 ICAP_UNITS = 0x0102;
constexpr TW_UINT16 ICAP_PIXELFLAVOR = 0x111f;
constexpr std::size_t enumerationHeader = 14;

template <typename T> T readAt(const unsigned char* at) {
    T value;
    std::memcpy(&value, at, sizeof value);
    return value;
}

} // namespace

// The container is the source's block; its real size bounds every read in it.
std::optional<TW_UINT16> currentUInt16(TTwainSource& source, TW_UINT16 capability) {
    TW_CAPABILITY request{capability, TWON_DONTCARE16, nullptr};
    if (source.Send(DG_CONTROL, DAT_CAPABILITY, MSG_GET, &request) != TWRC_SUCCESS ||
        !request.hContainer)
        return std::nullopt;
    const auto* block = static_cast<const unsigned char*>(request.hContainer);
    const std::size_t size = malloc_usable_size(request.hContainer);
    std::optional<TW_UINT16> value;
    if (request.ConType == TWON_ENUMERATION && size >= enumerationHeader &&
        readAt<TW_UINT16>(block) == TWTY_UINT16) {
        const TW_UINT32 count = readAt<TW_UINT32>(block + 2);
        const TW_UINT32 current = readAt<TW_UINT32>(block + 6);
        if (current < count && enumerationHeader + (std::size_t(current) + 1) * 2 <= size)
            value = readAt<TW_UINT16>(block + enumerationHeader + std::size_t(current) * 2);
    }
    std::free(request.hContainer);
    return value;
}

std::optional<TTwainUnit> GetICapUnits(TTwainSource& source) {
    const auto code = currentUInt16(source, ICAP_UNITS);
    if (!code)
        return std::nullopt;
    return *code <= 5 ? TTwainUnit(*code) : tuUnknown;
}

std::optional<TTwainPixelFlavor> GetIPixelFlavor(TTwainSource& source) {
    const auto code = currentUInt16(source, ICAP_PIXELFLAVOR);
    if (!code)
        return std::nullopt;
    return *code <= 1 ? TTwainPixelFlavor(*code) : tpfUnknown;
}

} // namespace quillox::twain
