#include "filing_dialogs_test.h"
#include "quillox_application.h"
#include "startup_test.h"

#include <QTest>

int main(int argc, char** argv) {
    quillox::app::QuilloxApplication application(argc, argv);
    StartupTest startup;
    FilingDialogsTest filingDialogs;
    int failures = QTest::qExec(&startup, argc, argv);
    failures += QTest::qExec(&filingDialogs, argc, argv);
    return failures;
}
