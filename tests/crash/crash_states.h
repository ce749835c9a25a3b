#pragma once

#include "file_tree.h"

#include <QByteArray>
#include <QString>
#include <functional>
#include <string>
#include <vector>

namespace quillox::testing {

// One state that a power cut could leave below the root.
struct CrashState {
    FileTree tree;
    // What the process had reported done before the cut: its output lines, in order.
    std::vector<std::string> marks;
    // Where the cut came and which of the unflushed changes reached the disk, for messages.
    std::string description;
};

// The states a power cut could leave at each flush of a recorded run, and at its end. Changes
// are modelled on files (their bytes) and folders (their names), each with what reached the
// disk: a file's bytes once it was flushed, a folder's names once the folder was flushed, and
// everything at a flush of the whole file system. Of the changes that had not reached the disk
// at a cut, any may be lost, but the changes to one file, or to one folder's names, reach the
// disk in the order they were made, and a change that reached it brings those before it to the
// same files and folders. At each cut the states are: only what was flushed, everything, the
// name changes without the unflushed bytes, the bytes without the name changes, and some
// seeded random mixes.
class CrashStates {
public:
    // The tree the run started from, the root it ran below (as the recorder saw it) and the
    // recorder's log.
    CrashStates(FileTree before, const std::string& root, const QByteArray& log);
    ~CrashStates();
    CrashStates(const CrashStates&) = delete;
    CrashStates& operator=(const CrashStates&) = delete;

    // Calls the function with each state in turn, mixesPerCut random ones at each cut.
    void forEach(int mixesPerCut, const std::function<void(const CrashState&)>& check) const;
    // The tree as the run left it, every change made: what the root holds after the run when
    // the recorder missed nothing.
    FileTree after() const;
    // The flushes the run made, each a cut.
    int flushes() const;

private:
    struct Replay;
    std::unique_ptr<Replay> replay_;
};

} // namespace quillox::testing
