#include <gtest/gtest.h>

#include <QApplication>

// Runs the tests inside a QApplication, on the platform the environment names
// (offscreen unless a display is wanted).
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
