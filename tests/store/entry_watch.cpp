#include "entry_watch.h"

#include <QFile>
#include <chrono>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace quillox::testing {

EntryWatch::EntryWatch(const QString& folder, const QString& ignoredPrefix)
    : events_(::inotify_init1(IN_CLOEXEC | IN_NONBLOCK)), ignoredPrefix_(ignoredPrefix) {
    if (events_ >= 0 && ::inotify_add_watch(events_, QFile::encodeName(folder).constData(),
                                            IN_CREATE | IN_MOVED_TO) < 0) {
        ::close(events_);
        events_ = -1;
    }
}

EntryWatch::~EntryWatch() {
    if (events_ >= 0)
        ::close(events_);
}

bool EntryWatch::waitForEntry(int timeoutMs) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (events_ >= 0) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(end - Clock::now()).count();
        pollfd waiting{events_, POLLIN, 0};
        if (left <= 0 || ::poll(&waiting, 1, static_cast<int>(left)) <= 0)
            return false;
        alignas(inotify_event) char buffer[4096];
        const ssize_t got = ::read(events_, buffer, sizeof buffer);
        for (ssize_t at = 0; at < got;) {
            const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
            if (event->len > 0 && !QFile::decodeName(event->name).startsWith(ignoredPrefix_))
                return true;
            at += static_cast<ssize_t>(sizeof(inotify_event) + event->len);
        }
    }
    return false;
}

} // namespace quillox::testing
