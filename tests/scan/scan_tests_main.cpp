#include <QGuiApplication>
#include <gtest/gtest.h>

// The component polls through the event loop and reads the pointer's position, so the tests
// run with an application object on the offscreen platform.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
