#pragma once

#include "app/instances.h"

#include <QStringList>

// What would go to the error box while the object lives, collected instead of shown.
class ReportedErrors {
public:
    ReportedErrors();
    ~ReportedErrors();
    QStringList messages;
};

// The nine instances of a run, created and shown as the program does, destroyed at the end.
class AppRun {
public:
    // The errors of start-up and of the end of the run go to the collector.
    explicit AppRun(ReportedErrors& errors);
    ~AppRun();
    AppRun(const AppRun&) = delete;
    AppRun& operator=(const AppRun&) = delete;
};
