#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

namespace quillox::testing {

// One run of the filing_child helper: its progress lines as they come, and a SIGKILL when the
// test chooses.
class ChildFiling {
public:
    enum class End { Killed, Filed, Failed };

    ChildFiling(const QString& source, const QString& documentName, const QString& tagWords);
    // Kills and reaps a child that still runs.
    ~ChildFiling();
    ChildFiling(const ChildFiling&) = delete;
    ChildFiling& operator=(const ChildFiling&) = delete;

    // Reads the child's lines up to the one given: false when the child ended before it.
    bool waitFor(const QByteArray& line);
    // Sends SIGKILL, unless the child ended already, reaps it and reads what it told before.
    End kill();
    // Lets the child end by itself, reaps it and reads what it told before.
    End wait();
    // What the child told last before it ended or was killed.
    const QByteArray& lastLine() const { return last_; }

private:
    End reap(bool killFirst);
    // Takes the next line, reading when none is waiting; false at the end of the output.
    bool nextLine();

    pid_t pid_ = -1;
    int output_ = -1;
    QByteArray unread_;
    QByteArray last_;
};

} // namespace quillox::testing
