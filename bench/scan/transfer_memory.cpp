#include "transfer_memory.h"

#include "page_transfer.h"
#include "process_memory.h"

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace {

// Sets the peak of resident memory back to the present, so that the scripted source's own page,
// built by the first transfer, and that transfer's freed bitmap leave no mark on it.
void resetPeakResident() {
    FILE* clearRefs = std::fopen("/proc/self/clear_refs", "w");
    const bool written = clearRefs && std::fputs("5", clearRefs) >= 0;
    if (!clearRefs || std::fclose(clearRefs) != 0 || !written)
        throw std::runtime_error("cannot reset the peak resident memory");
}

} // namespace

int printTransferMemory() {
    PageTransfer transfer;
    resetPeakResident();
    const long before = peakResidentKb();
    transfer.transferMs();
    std::printf("%ld\n", peakResidentKb() - before);
    return 0;
}

TransferMemory measureTransferMemory() {
    TransferMemory result;
    const std::string command =
        "'" + std::filesystem::read_symlink("/proc/self/exe").string() + "' --transfer-memory";
    FILE* child = popen(command.c_str(), "r");
    if (!child)
        return result;
    result.measured = std::fscanf(child, "%ld", &result.peakGrowthKb) == 1;
    result.measured = pclose(child) == 0 && result.measured;
    return result;
}
