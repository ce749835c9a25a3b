#pragma once

// The resident memory that one page transfer adds at its peak, in KiB, measured in a fresh run
// of this program so that what the other measurements hold does not hide it.
struct TransferMemory {
    bool measured = false;
    long peakGrowthKb = 0;
};

// The mode in which this program runs itself for measureTransferMemory: one transfer to build
// the source's page, then the peak reset and one more transfer; prints the growth of the peak.
int printTransferMemory();

TransferMemory measureTransferMemory();
