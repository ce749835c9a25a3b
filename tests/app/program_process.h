#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace quillox::testing {
class TempHome;
}

// The program run as a child process, offscreen, in the environment of this process, which
// holds the temporary home already.
QProcessEnvironment programEnvironment();

// Starts the program and waits until it holds its database.
void startProgram(QProcess& program, const quillox::testing::TempHome& home,
                  const QStringList& arguments = {});

// The first message the program shows, as it writes it to standard error too; empty when it
// shows none within a long while.
QString firstMessage(QProcess& program);

// A termination signal ends the run while a box waits for its OK.
void terminateDuringTheBox(QProcess& program);
