#include "folder_tree_summary.h"

#include <cstdio>

namespace {

constexpr double ratioTarget = 3.0;
constexpr int targetSize = 2000;

const double* find(const std::map<std::string, double>& medians, const std::string& name) {
    const auto found = medians.find(name);
    return found == medians.end() ? nullptr : &found->second;
}

} // namespace

void MedianReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Aggregate || run.aggregate_name != "median")
            continue;
        const double toMs = 1e3 / benchmark::GetTimeUnitMultiplier(run.time_unit);
        medians_[run.run_name.function_name] = run.GetAdjustedCPUTime() * toMs;
    }
}

void printFolderTreeSummary(const std::map<std::string, double>& medians,
                            const std::vector<int>& sizes) {
    std::printf("\nloadFolderTree against filling the control directly (medians, cpu time)\n");
    std::printf("%8s %16s %14s %7s %7s %5s\n", "folders", "loadFolderTree", "direct fill", "ratio",
                "target", "met");
    for (int size : sizes) {
        const std::string suffix = "/" + std::to_string(size);
        const double* load = find(medians, "BM_LoadFolderTree" + suffix);
        const double* fill = find(medians, "BM_FillTreeDirectly" + suffix);
        if (!load || !fill) {
            std::printf("%8d not run\n", size);
            continue;
        }
        const double ratio = *load / *fill;
        if (size == targetSize) {
            std::printf("%8d %13.2f ms %11.2f ms %7.2f %7.2f %5s\n", size, *load, *fill, ratio,
                        ratioTarget, ratio <= ratioTarget ? "yes" : "NO");
        } else {
            std::printf("%8d %13.2f ms %11.2f ms %7.2f %7s %5s\n", size, *load, *fill, ratio, "-",
                        "-");
        }
    }

    const std::string first = "/" + std::to_string(sizes.front());
    const std::string last = "/" + std::to_string(sizes.back());
    const double* small = find(medians, "BM_LoadFolderTree" + first);
    const double* large = find(medians, "BM_LoadFolderTree" + last);
    const double* smallFill = find(medians, "BM_FillTreeDirectly" + first);
    const double* largeFill = find(medians, "BM_FillTreeDirectly" + last);
    if (!small || !large || !smallFill || !largeFill)
        return;
    const double scale = static_cast<double>(sizes.back()) / sizes.front();
    std::printf("\ngrowth from %d to %d folders: loadFolderTree x%.1f, direct fill x%.1f "
                "(linear x%.0f, quadratic x%.0f)\n",
                sizes.front(), sizes.back(), *large / *small, *largeFill / *smallFill, scale,
                scale * scale);
}
