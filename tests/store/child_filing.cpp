#include "child_filing.h"

#include <QFile>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace quillox::testing {
namespace {

// Long enough for any filing of the test; a child that says nothing for longer hangs.
constexpr int silenceLimitMs = 60'000;

} // namespace

ChildFiling::ChildFiling(const QString& source, const QString& documentName,
                         const QString& tagWords) {
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return;
    std::vector<QByteArray> arguments = {FILING_CHILD_PATH, QFile::encodeName(source),
                                         documentName.toLocal8Bit(), tagWords.toLocal8Bit()};
    std::vector<char*> argv;
    for (QByteArray& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, channel[1], STDOUT_FILENO);
    if (::posix_spawn(&pid_, FILING_CHILD_PATH, &actions, nullptr, argv.data(), environ) != 0)
        pid_ = -1;
    posix_spawn_file_actions_destroy(&actions);
    ::close(channel[1]);
    output_ = channel[0];
}

ChildFiling::~ChildFiling() {
    kill();
    if (output_ >= 0)
        ::close(output_);
}

bool ChildFiling::nextLine() {
    for (;;) {
        const qsizetype end = unread_.indexOf('\n');
        if (end >= 0) {
            last_ = unread_.left(end);
            unread_.remove(0, end + 1);
            return true;
        }
        pollfd waiting{output_, POLLIN, 0};
        if (output_ < 0 || ::poll(&waiting, 1, silenceLimitMs) <= 0)
            return false;
        char buffer[256];
        const ssize_t got = ::read(output_, buffer, sizeof buffer);
        if (got <= 0)
            return false;
        unread_.append(buffer, got);
    }
}

bool ChildFiling::waitFor(const QByteArray& line) {
    while (nextLine()) {
        if (last_ == line)
            return true;
    }
    return false;
}

ChildFiling::End ChildFiling::kill() {
    return reap(true);
}

ChildFiling::End ChildFiling::wait() {
    return reap(false);
}

ChildFiling::End ChildFiling::reap(bool killFirst) {
    if (pid_ < 0)
        return End::Failed;
    if (killFirst)
        ::kill(pid_, SIGKILL);
    int status = 0;
    const bool reaped = ::waitpid(pid_, &status, 0) == pid_;
    pid_ = -1;
    while (nextLine()) {
    }
    if (reaped && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
        return End::Killed;
    return reaped && WIFEXITED(status) && WEXITSTATUS(status) == 0 ? End::Filed : End::Failed;
}

} // namespace quillox::testing
