#include "first_paint_run.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

std::vector<std::string> environmentPreloading(const std::string& library) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "LD_PRELOAD=", 11) != 0)
            variables.emplace_back(*variable);
    }
    variables.push_back("LD_PRELOAD=" + library);
    return variables;
}

std::vector<char*> pointersTo(std::vector<std::string>& texts) {
    std::vector<char*> pointers;
    for (std::string& text : texts)
        pointers.push_back(text.data());
    pointers.push_back(nullptr);
    return pointers;
}

std::string readToEnd(int descriptor) {
    std::string text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
        if (got > 0)
            text.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0 || errno != EINTR)
            return text;
    }
}

FirstPaint parseReport(const std::string& output, std::chrono::steady_clock::time_point start,
                       const std::string& program) {
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string marker;
        long long paintedNs = 0;
        FirstPaint paint;
        if (words >> marker >> paintedNs >> paint.peakKb >> paint.windowClass &&
            marker == "first-paint") {
            const auto painted =
                std::chrono::steady_clock::time_point(std::chrono::nanoseconds(paintedNs));
            paint.seconds = std::chrono::duration<double>(painted - start).count();
            return paint;
        }
    }
    throw std::runtime_error(program + " ended without reporting its first paint");
}

} // namespace

FirstPaint runUntilFirstPaint(const std::string& program, const std::string& reportLibrary) {
    int output[2];
    if (::pipe(output) != 0)
        throw std::runtime_error("cannot make a pipe: " + std::string(std::strerror(errno)));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    posix_spawn_file_actions_addclose(&actions, output[1]);
    std::vector<std::string> environment = environmentPreloading(reportLibrary);
    std::vector<char*> envp = pointersTo(environment);
    std::vector<std::string> arguments{program};
    std::vector<char*> argv = pointersTo(arguments);

    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int error =
        posix_spawn(&child, program.c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(output[1]);
    if (error != 0) {
        ::close(output[0]);
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(error));
    }
    const std::string text = readToEnd(output[0]);
    ::close(output[0]);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(program + " failed");
    return parseReport(text, start, program);
}
