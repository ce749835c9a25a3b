#pragma once

#include <QString>

namespace quillox::testing {

// Tells when a folder gains an entry, made or moved there, whose name does not start with the
// ignored prefix; counts entries from the watch's making on.
class EntryWatch {
public:
    EntryWatch(const QString& folder, const QString& ignoredPrefix);
    ~EntryWatch();
    EntryWatch(const EntryWatch&) = delete;
    EntryWatch& operator=(const EntryWatch&) = delete;

    // False when no such entry came within the time.
    bool waitForEntry(int timeoutMs);

private:
    int events_ = -1;
    QString ignoredPrefix_;
};

} // namespace quillox::testing
