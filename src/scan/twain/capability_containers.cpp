#include "scan/twain/capability_containers.h"

#include "scan/twain/twain_source.h"

#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace quillox::twain {
namespace {

// The bytes of one item, for the types carried here; 0 for the others.
std::size_t itemSize(TW_UINT16 type) {
    switch (type) {
    case TWTY_INT8:
    case TWTY_UINT8:
        return 1;
    case TWTY_INT16:
    case TWTY_UINT16:
    case TWTY_BOOL:
        return 2;
    case TWTY_INT32:
    case TWTY_UINT32:
    case TWTY_FIX32:
        return 4;
    default:
        return 0;
    }
}

TW_UINT32 readItem(const std::uint8_t* at, std::size_t size) {
    TW_UINT32 value = 0;
    std::memcpy(&value, at, size);
    return value;
}

template <typename T> T readAt(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    T value;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

template <typename T> void writeAt(std::vector<std::uint8_t>& bytes, std::size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

TW_UINT16 messageFor(TRetrieveCap mode) {
    switch (mode) {
    case rcGetCurrent:
        return MSG_GETCURRENT;
    case rcGetDefault:
        return MSG_GETDEFAULT;
    case rcReset:
        return MSG_RESET;
    default:
        return MSG_GET;
    }
}

// Reads a list of items after a header, each checked against the copied bytes.
bool readItems(const CapabilityRecord& record, std::size_t header, TW_UINT32 count, TW_UINT16 type,
               std::vector<TW_UINT32>& items) {
    const std::size_t size = itemSize(type);
    if (size == 0 || header + std::uint64_t(count) * size > record.bytes.size())
        return false;
    items.clear();
    for (TW_UINT32 i = 0; i < count; ++i)
        items.push_back(readItem(record.bytes.data() + header + i * size, size));
    return true;
}

// Sends a container the application made; the block is the application's and freed here.
TCapabilityRet sendContainer(TTwainSource& source, TW_UINT16 capability, TW_UINT16 conType,
                             const std::vector<std::uint8_t>& bytes) {
    if (!source.Loaded())
        return crInvalidState;
    void* block = std::calloc(1, bytes.size());
    if (!block)
        return crLowMemory;
    std::memcpy(block, bytes.data(), bytes.size());
    TW_CAPABILITY request{capability, conType, block};
    const TW_UINT16 result = source.Send(DG_CONTROL, DAT_CAPABILITY, MSG_SET, &request);
    std::free(block);
    return result == TWRC_SUCCESS ? crSuccess : capabilityResult(source, result);
}

std::vector<std::uint8_t> withItems(std::size_t header, TW_UINT16 type,
                                    const std::vector<TW_UINT32>& items) {
    const std::size_t size = std::max<std::size_t>(itemSize(type), 1);
    std::vector<std::uint8_t> bytes(header + items.size() * size);
    for (std::size_t i = 0; i < items.size(); ++i)
        std::memcpy(bytes.data() + header + i * size, &items[i], size);
    writeAt<TW_UINT16>(bytes, 0, type);
    return bytes;
}

} // namespace

TCapabilityRet capabilityResult(TTwainSource& source, TW_UINT16 returnCode) {
    if (returnCode == TWRC_SUCCESS)
        return crSuccess;
    switch (source.GetReturnStatus()) {
    case TWCC_LOWMEMORY:
        return crLowMemory;
    case TWCC_SEQERROR:
        return crInvalidState;
    case TWCC_CAPUNSUPPORTED:
        return crUnsupported;
    case TWCC_CAPSEQERROR:
        return crDependencyError;
    default:
        return crBadOperation;
    }
}

TCapabilityRet GetCapabilityRec(TTwainSource& source, TW_UINT16 capability, TRetrieveCap mode,
                                CapabilityRecord& record) {
    if (!source.Loaded())
        return crInvalidState;
    TW_CAPABILITY request{capability, TWON_DONTCARE16, nullptr};
    const TW_UINT16 result = source.Send(DG_CONTROL, DAT_CAPABILITY, messageFor(mode), &request);
    if (result != TWRC_SUCCESS) {
        std::free(request.hContainer);
        return capabilityResult(source, result);
    }
    if (!request.hContainer)
        return crInvalidContainer;
    // The block is the source's; its real size bounds every read of it.
    const std::size_t size = malloc_usable_size(request.hContainer);
    record.conType = request.ConType;
    record.bytes.assign(static_cast<const std::uint8_t*>(request.hContainer),
                        static_cast<const std::uint8_t*>(request.hContainer) + size);
    std::free(request.hContainer);
    return crSuccess;
}

namespace {

// The source's container of that kind, holding at least its fixed part.
TCapabilityRet containerOf(TTwainSource& source, TW_UINT16 capability, TRetrieveCap mode,
                           TW_UINT16 kind, std::size_t fixedPart, CapabilityRecord& record) {
    const TCapabilityRet got = GetCapabilityRec(source, capability, mode, record);
    if (got == crSuccess && (record.conType != kind || record.bytes.size() < fixedPart))
        return crInvalidContainer;
    return got;
}

} // namespace

TCapabilityRet GetOneValue(TTwainSource& source, TW_UINT16 capability, OneValue& value,
                           TRetrieveCap mode) {
    CapabilityRecord record;
    if (const TCapabilityRet got =
            containerOf(source, capability, mode, TWON_ONEVALUE, sizeof(TW_ONEVALUE), record);
        got != crSuccess)
        return got;
    value.itemType = readAt<TW_UINT16>(record.bytes, 0);
    const std::size_t size = itemSize(value.itemType);
    if (size == 0)
        return crUnsupported;
    value.item = readItem(record.bytes.data() + 2, size);
    return crSuccess;
}

TCapabilityRet GetEnumerationValue(TTwainSource& source, TW_UINT16 capability,
                                   EnumerationValue& value, TRetrieveCap mode) {
    CapabilityRecord record;
    if (const TCapabilityRet got =
            containerOf(source, capability, mode, TWON_ENUMERATION, 14, record);
        got != crSuccess)
        return got;
    value.itemType = readAt<TW_UINT16>(record.bytes, 0);
    value.currentIndex = readAt<TW_UINT32>(record.bytes, 6);
    value.defaultIndex = readAt<TW_UINT32>(record.bytes, 10);
    if (itemSize(value.itemType) == 0)
        return crUnsupported;
    return readItems(record, 14, readAt<TW_UINT32>(record.bytes, 2), value.itemType, value.items)
               ? crSuccess
               : crInvalidContainer;
}

TCapabilityRet GetRangeValue(TTwainSource& source, TW_UINT16 capability, RangeValue& value,
                             TRetrieveCap mode) {
    CapabilityRecord record;
    if (const TCapabilityRet got = containerOf(source, capability, mode, TWON_RANGE, 22, record);
        got != crSuccess)
        return got;
    value.itemType = readAt<TW_UINT16>(record.bytes, 0);
    value.minValue = readAt<TW_UINT32>(record.bytes, 2);
    value.maxValue = readAt<TW_UINT32>(record.bytes, 6);
    value.stepSize = readAt<TW_UINT32>(record.bytes, 10);
    value.defaultValue = readAt<TW_UINT32>(record.bytes, 14);
    value.currentValue = readAt<TW_UINT32>(record.bytes, 18);
    return crSuccess;
}

TCapabilityRet GetArrayValue(TTwainSource& source, TW_UINT16 capability, ArrayValue& value,
                             TRetrieveCap mode) {
    CapabilityRecord record;
    if (const TCapabilityRet got = containerOf(source, capability, mode, TWON_ARRAY, 6, record);
        got != crSuccess)
        return got;
    value.itemType = readAt<TW_UINT16>(record.bytes, 0);
    if (itemSize(value.itemType) == 0)
        return crUnsupported;
    return readItems(record, 6, readAt<TW_UINT32>(record.bytes, 2), value.itemType, value.items)
               ? crSuccess
               : crInvalidContainer;
}

TCapabilityRet SetOneValue(TTwainSource& source, TW_UINT16 capability, const OneValue& value) {
    if (itemSize(value.itemType) == 0)
        return crUnsupported;
    std::vector<std::uint8_t> bytes(sizeof(TW_ONEVALUE));
    writeAt<TW_UINT16>(bytes, 0, value.itemType);
    std::memcpy(bytes.data() + 2, &value.item, itemSize(value.itemType));
    return sendContainer(source, capability, TWON_ONEVALUE, bytes);
}

TCapabilityRet SetEnumerationValue(TTwainSource& source, TW_UINT16 capability,
                                   const EnumerationValue& value) {
    if (itemSize(value.itemType) == 0)
        return crUnsupported;
    std::vector<std::uint8_t> bytes = withItems(14, value.itemType, value.items);
    writeAt<TW_UINT32>(bytes, 2, TW_UINT32(value.items.size()));
    writeAt<TW_UINT32>(bytes, 6, value.currentIndex);
    writeAt<TW_UINT32>(bytes, 10, value.defaultIndex);
    return sendContainer(source, capability, TWON_ENUMERATION, bytes);
}

TCapabilityRet SetRangeValue(TTwainSource& source, TW_UINT16 capability, const RangeValue& value) {
    std::vector<std::uint8_t> bytes(22);
    writeAt<TW_UINT16>(bytes, 0, value.itemType);
    writeAt<TW_UINT32>(bytes, 2, value.minValue);
    writeAt<TW_UINT32>(bytes, 6, value.maxValue);
    writeAt<TW_UINT32>(bytes, 10, value.stepSize);
    writeAt<TW_UINT32>(bytes, 14, value.defaultValue);
    writeAt<TW_UINT32>(bytes, 18, value.currentValue);
    return sendContainer(source, capability, TWON_RANGE, bytes);
}

TCapabilityRet SetArrayValue(TTwainSource& source, TW_UINT16 capability, const ArrayValue& value) {
    if (itemSize(value.itemType) == 0)
        return crUnsupported;
    std::vector<std::uint8_t> bytes = withItems(6, value.itemType, value.items);
    writeAt<TW_UINT32>(bytes, 2, TW_UINT32(value.items.size()));
    return sendContainer(source, capability, TWON_ARRAY, bytes);
}

} // namespace quillox::twain
