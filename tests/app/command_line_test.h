#pragma once

#include <QObject>

// The program's command line: what it asks for, and the answers it gets on the terminal.
class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void readsWhatTheCommandLineAsksFor_data();
    void readsWhatTheCommandLineAsksFor();
    void helpAndVersionAnswerWithoutADisplay_data();
    void helpAndVersionAnswerWithoutADisplay();
    void anUnknownOptionEndsTheRunWithTheUsage_data();
    void anUnknownOptionEndsTheRunWithTheUsage();
};
