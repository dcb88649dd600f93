// The window's tests run on Qt's offscreen platform: ctest sets QT_QPA_PLATFORM, and the test
// program falls back to it when it is run by hand.
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Demo_Quelvar"));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
