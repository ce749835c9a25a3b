#include "process_memory.h"

#include <cstdio>
#include <cstring>

namespace {

long statusKb(const char* field) {
    FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    const std::size_t length = std::strlen(field);
    long kb = -1;
    char line[256];
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, length) == 0 && line[length] == ':') {
            std::sscanf(line + length + 1, "%ld", &kb);
            break;
        }
    }
    std::fclose(status);
    return kb;
}

} // namespace

long peakResidentKb() {
    return statusKb("VmHWM");
}

long residentKb() {
    return statusKb("VmRSS");
}
