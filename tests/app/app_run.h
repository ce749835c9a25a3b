#pragma once

#include "app/instances.h"
#include "temp_home.h"

#include <QStringList>

// What a window test starts from: a temporary home, and the errors that would go to the error
// box collected instead of shown. When the test has failed, the collected messages are printed
// with the failure, since they usually say why.
class TestHome : public quillox::testing::TempHome {
public:
    TestHome();
    ~TestHome();
    QStringList errors;
};

// The nine instances of a run in the test's home, created and shown as the program does,
// destroyed at the end. Their errors go to the home's collector.
class AppRun {
public:
    explicit AppRun(TestHome& home);
    ~AppRun();
    AppRun(const AppRun&) = delete;
    AppRun& operator=(const AppRun&) = delete;
};
