#pragma once

#include "scan/twain/twain_protocol.h"

#include <vector>

namespace quillox::twain {

class TTwainSource;

enum TCapabilityRet {
    crSuccess,
    crUnsupported,
    crBadOperation,
    crDependencyError,
    crLowMemory,
    crInvalidState,
    crInvalidContainer
};
enum TRetrieveCap { rcGet, rcGetCurrent, rcGetDefault, rcReset };

// A capability's container as the source answered it, copied out of the source's block.
struct CapabilityRecord {
    TW_UINT16 conType = 0;
    std::vector<std::uint8_t> bytes;
};

// Items of up to 4 bytes are carried as 32-bit values: a TW_FIX32 with its whole part in the
// low half. Larger items (frames, texts) are not taken: crUnsupported.
struct OneValue {
    TW_UINT16 itemType = TWTY_UINT16;
    TW_UINT32 item = 0;
};
struct EnumerationValue {
    TW_UINT16 itemType = TWTY_UINT16;
    std::vector<TW_UINT32> items;
    TW_UINT32 currentIndex = 0;
    TW_UINT32 defaultIndex = 0;
};
struct RangeValue {
    TW_UINT16 itemType = TWTY_UINT16;
    TW_UINT32 minValue = 0;
    TW_UINT32 maxValue = 0;
    TW_UINT32 stepSize = 0;
    TW_UINT32 defaultValue = 0;
    TW_UINT32 currentValue = 0;
};
struct ArrayValue {
    TW_UINT16 itemType = TWTY_UINT16;
    std::vector<TW_UINT32> items;
};

// The generic calls of DG_CONTROL / DAT_CAPABILITY. A source that is not open gives
// crInvalidState; a failed call gives what the source's condition code says; a container of
// another kind than asked for gives crInvalidContainer, as does one that does not fit its block.
TCapabilityRet GetCapabilityRec(TTwainSource& source, TW_UINT16 capability, TRetrieveCap mode,
                                CapabilityRecord& record);
TCapabilityRet GetOneValue(TTwainSource& source, TW_UINT16 capability, OneValue& value,
                           TRetrieveCap mode = rcGet);
TCapabilityRet GetEnumerationValue(TTwainSource& source, TW_UINT16 capability,
                                   EnumerationValue& value, TRetrieveCap mode = rcGet);
TCapabilityRet GetRangeValue(TTwainSource& source, TW_UINT16 capability, RangeValue& value,
                             TRetrieveCap mode = rcGet);
TCapabilityRet GetArrayValue(TTwainSource& source, TW_UINT16 capability, ArrayValue& value,
                             TRetrieveCap mode = rcGet);
TCapabilityRet SetOneValue(TTwainSource& source, TW_UINT16 capability, const OneValue& value);
TCapabilityRet SetEnumerationValue(TTwainSource& source, TW_UINT16 capability,
                                   const EnumerationValue& value);
TCapabilityRet SetRangeValue(TTwainSource& source, TW_UINT16 capability, const RangeValue& value);
TCapabilityRet SetArrayValue(TTwainSource& source, TW_UINT16 capability, const ArrayValue& value);

// What a failed call of the source means, from its condition code.
TCapabilityRet capabilityResult(TTwainSource& source, TW_UINT16 returnCode);

} // namespace quillox::twain
