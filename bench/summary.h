#pragma once

#include "open_memory.h"

#include <benchmark/benchmark.h>
#include <map>
#include <string>

// The median of one case over its repetitions.
struct Median {
    double realMs = 0;
    double cpuMs = 0;
    benchmark::UserCounters counters;
};

// The console output as usual, and the medians kept by case name for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const std::map<std::string, Median>& medians() const { return medians_; }

private:
    std::map<std::string, Median> medians_;
};

// Each engine case against its baseline with the ratio and its target, then the figures that
// are only reported, and the memory.
void printSummary(const std::map<std::string, Median>& medians, const OpenMemory& open,
                  long peakKb);
