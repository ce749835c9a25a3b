#pragma once

#include <vector>

namespace quillox::twain {

// A growable list of references that grows by a fixed step. Reading outside the list, or past
// index 255, gives nothing.
class TPointerList {
public:
    void Add(void* item);
    void Clear() { fCount = 0; }
    int Count() const { return fCount; }
    void* Item(int index) const;
    // Any reference below the count, past 255 too, so that the list's owner can free them all.
    void* Stored(int index) const;
    int Allocated() const { return int(Data.size()); }

private:
    static constexpr int fAdditionalBlock = 10;
    std::vector<void*> Data = std::vector<void*>(fAdditionalBlock);
    int fCount = 0;
};

} // namespace quillox::twain
