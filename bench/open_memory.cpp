#include "open_memory.h"

#include "bench_home.h"
#include "store/tdm_data.h"

#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

long peakMemoryKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

int printOpenMemory(const QString& home) {
    useHome(home);
    const long before = peakMemoryKb();
    quillox::store::TdmData data;
    data.DataModuleCreate();
    std::printf("%ld %ld\n", before, peakMemoryKb());
    return 0;
}

OpenMemory measureOpenMemory(const QString& home) {
    OpenMemory result;
    const std::string command = "'" + std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --open-store '" + home.toStdString() + "'";
    FILE* child = popen(command.c_str(), "r");
    if (!child)
        return result;
    result.measured = std::fscanf(child, "%ld %ld", &result.beforeKb, &result.afterKb) == 2;
    result.measured = pclose(child) == 0 && result.measured;
    return result;
}
