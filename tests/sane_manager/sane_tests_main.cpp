#include <QApplication>
#include <gtest/gtest.h>

// The manager shows its selection dialog with widgets, so the tests run with a widgets
// application object on the offscreen platform.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
