#include "store_size.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

int takeDocumentCount(int& argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--documents") != 0)
            continue;
        const char* given = i + 1 < argc ? argv[i + 1] : "";
        char* end = nullptr;
        errno = 0;
        const long count = std::strtol(given, &end, 10);
        if (*given == '\0' || *end != '\0' || errno != 0 || count < 1 || count > INT_MAX) {
            throw std::runtime_error("--documents needs a positive number of documents, not \"" +
                                     std::string(given) + "\"");
        }
        // argv[argc] is the null pointer, which moves down with the rest.
        for (int rest = i + 2; rest <= argc; ++rest)
            argv[rest - 2] = argv[rest];
        argc -= 2;
        return static_cast<int>(count);
    }
    return defaultDocumentCount;
}
