#pragma once

#include <cstdio>
#include <exception>

// Runs a benchmark program's body; an error ends the program with its message on standard
// error and status 1.
inline int runReportingErrors(const char* program, int (*run)(int, char**), int argc, char** argv) {
    try {
        return run(argc, argv);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", program, error.what());
        return 1;
    }
}
