#include "scan/twain/pointer_list.h"

namespace quillox::twain {

void TPointerList::Add(void* item) {
    if (fCount == Allocated())
        Data.resize(Data.size() + fAdditionalBlock);
    Data[std::size_t(fCount++)] = item;
}

void* TPointerList::Item(int index) const {
    return index >= 0 && index < fCount && index <= 255 ? Data[std::size_t(index)] : nullptr;
}

void* TPointerList::Stored(int index) const {
    return index >= 0 && index < fCount ? Data[std::size_t(index)] : nullptr;
}

} // namespace quillox::twain
