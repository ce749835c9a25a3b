#include "summary.h"

#include <cstdio>

namespace {

struct Pair {
    const char* label;
    const char* engine;
    const char* baseline;
    double target;
    bool wallClock;
};

const Pair pairs[] = {
    {"search: 2 words, 6 months", "BM_SearchEngine", "BM_SearchPlain", 1.5, false},
    {"browse: one folder", "BM_BrowseEngine", "BM_BrowsePlain", 1.5, false},
    {"full pass over Documents", "BM_FullPassEngine", "BM_FullPassPlain", 2.0, false},
    {"durable insert of one row", "BM_InsertEngine", "BM_InsertPlain", 1.3, true},
    {"  against the same indexes", "BM_InsertEngine", "BM_InsertPlainIndexed", 1.3, true},
};

constexpr double peakTargetMb = 150;

double timeOf(const Median& median, bool wallClock) {
    return wallClock ? median.realMs : median.cpuMs;
}

double counter(const Median& median, const char* name) {
    const auto found = median.counters.find(name);
    return found == median.counters.end() ? -1 : found->second.value;
}

const Median* find(const std::map<std::string, Median>& medians, const char* name) {
    const auto found = medians.find(name);
    return found == medians.end() ? nullptr : &found->second;
}

std::string rowCounts(const Median& engine, const Median& baseline) {
    const double engineRows = counter(engine, "rows");
    if (engineRows < 0)
        return "-";
    return std::to_string(static_cast<long>(engineRows)) + "/" +
           std::to_string(static_cast<long>(counter(baseline, "rows")));
}

double megabytes(long kb) {
    return static_cast<double>(kb) / 1024.0;
}

} // namespace

void SummaryReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
            continue;
        const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        medians_[run.run_name.function_name] = {run.GetAdjustedRealTime() * toMs,
                                                run.GetAdjustedCPUTime() * toMs, run.counters};
    }
}

void printSummary(const std::map<std::string, Median>& medians, const OpenMemory& open,
                  long peakKb) {
    std::printf("\nEngine against plain SQLite (medians; ratio = engine / baseline)\n");
    std::printf("%-28s %12s %12s %7s %7s %5s %5s %15s\n", "case", "engine", "baseline", "ratio",
                "target", "met", "clock", "rows eng/plain");
    for (const Pair& pair : pairs) {
        const Median* engine = find(medians, pair.engine);
        const Median* baseline = find(medians, pair.baseline);
        if (!engine || !baseline) {
            std::printf("%-28s not run\n", pair.label);
            continue;
        }
        const double engineMs = timeOf(*engine, pair.wallClock);
        const double baselineMs = timeOf(*baseline, pair.wallClock);
        const double ratio = engineMs / baselineMs;
        std::printf("%-28s %9.3f ms %9.3f ms %7.2f %7.2f %5s %5s %15s\n", pair.label, engineMs,
                    baselineMs, ratio, pair.target, ratio <= pair.target ? "yes" : "NO",
                    pair.wallClock ? "wall" : "cpu", rowCounts(*engine, *baseline).c_str());
    }

    std::printf("\nReported only (medians)\n");
    if (const Median* filter = find(medians, "BM_FilterOnOff")) {
        std::printf("%-28s %9.3f ms cpu   first row top-level: %s\n", "filter on/off, tFolders",
                    filter->cpuMs, counter(*filter, "top_level_first_row") == 1 ? "yes" : "NO");
    }
    if (const Median* next = find(medians, "BM_NextId")) {
        std::printf("%-28s %9.3f ms cpu   next ID: %.0f\n", "nextId, tDocuments", next->cpuMs,
                    counter(*next, "next_id"));
    }
    if (const Median* create = find(medians, "BM_DataModuleCreate"))
        std::printf("%-28s %9.3f ms wall\n", "DataModuleCreate", create->realMs);
    if (const Median* checked = find(medians, "BM_DataModuleCreateAfterUncleanEnd"))
        std::printf("%-28s %9.3f ms wall\n", "  after an unclean end", checked->realMs);
    if (open.measured) {
        std::printf("%-28s %9.1f MB peak in a fresh process (%.1f MB before the call)\n",
                    "DataModuleCreate memory", megabytes(open.afterKb), megabytes(open.beforeKb));
    } else {
        std::printf("%-28s not measured\n", "DataModuleCreate memory");
    }
    std::printf("%-28s %9.1f MB (target under %.0f MB: %s)\n", "peak memory of this run",
                megabytes(peakKb), peakTargetMb, megabytes(peakKb) < peakTargetMb ? "yes" : "NO");
}
