#include <QApplication>
#include <gtest/gtest.h>

// A main for GoogleTest programs whose tests need a widgets application object. Listing the
// tests runs without the test environment, and no test needs a display, so the offscreen
// platform is the default.
int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
