#include "child_process.h"

#include <exception>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quillox::testing {
namespace {

const std::string cannotLeaveRoot = "cannot leave root";

std::string runCaught(const std::function<std::string()>& action) {
    try {
        return action();
    } catch (const std::exception& error) {
        return std::string("failed: ") + error.what();
    }
}

} // namespace

std::string reportFromChild(const std::function<std::string()>& action) {
    int channel[2];
    if (pipe(channel) != 0)
        return "pipe failed";
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        const std::string text = runCaught(action);
        const ssize_t written = write(channel[1], text.data(), text.size());
        _exit(written == static_cast<ssize_t>(text.size()) ? 0 : 1);
    }
    close(channel[1]);
    std::string report;
    char buffer[4096];
    ssize_t got = 0;
    while (child > 0 && (got = read(channel[0], buffer, sizeof buffer)) > 0)
        report.append(buffer, static_cast<std::size_t>(got));
    close(channel[0]);
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0)
        return "the child failed: " + report;
    return report;
}

std::optional<std::string> reportWithoutRoot(const std::function<std::string()>& action) {
    if (geteuid() != 0)
        return runCaught(action);
    const std::string report = reportFromChild([&] {
        if (setgroups(0, nullptr) != 0 || setgid(ordinaryUserId) != 0 ||
            setuid(ordinaryUserId) != 0)
            return cannotLeaveRoot;
        return action();
    });
    if (report == cannotLeaveRoot)
        return std::nullopt;
    return report;
}

} // namespace quillox::testing
