#include "quillox_application.h"
#include "startup_test.h"

#include <QTest>

int main(int argc, char** argv) {
    quillox::app::QuilloxApplication application(argc, argv);
    StartupTest startup;
    return QTest::qExec(&startup, argc, argv);
}
