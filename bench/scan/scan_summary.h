#pragma once

#include "interleaved_medians.h"
#include "transfer_memory.h"

struct ScanFigures {
    int repetitions = 0;
    double sourcePageSeconds = 0; // the scripted source building its page, once, untimed
    MedianPair transfer;          // memory transfer against memcpy
    MedianPair freshCopy;         // memcpy into a new allocation against memcpy
    MedianPair save;              // writeBmpFile against plain writes
    MedianPair syncedSave;        // writeBmpFile against plain writes and fdatasync
    TransferMemory memory;
};

void printScanSummary(const ScanFigures& figures);
