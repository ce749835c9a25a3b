#pragma once

#include <QString>

// Peak resident memory in KiB, as getrusage reports it.
long peakMemoryKb();

struct OpenMemory {
    bool measured = false;
    long beforeKb = 0; // the fresh process's peak before DataModuleCreate
    long afterKb = 0;  // and after it
};

// Runs DataModuleCreate on the store in home and prints both peaks on one line; the mode in
// which this program runs itself for measureOpenMemory.
int printOpenMemory(const QString& home);

// DataModuleCreate in a fresh run of this program, so that what the benchmarks have used does
// not hide its figure.
OpenMemory measureOpenMemory(const QString& home);
