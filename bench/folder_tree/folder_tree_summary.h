#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>
#include <vector>

// The console output as usual, and the median processor time of each case, in milliseconds,
// by case name.
class MedianReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    const std::map<std::string, double>& medians() const { return medians_; }

private:
    std::map<std::string, double> medians_;
};

// Each size's loadFolderTree against the direct fill, and how loadFolderTree grows from the
// first size to the last.
void printFolderTreeSummary(const std::map<std::string, double>& medians,
                            const std::vector<int>& sizes);
