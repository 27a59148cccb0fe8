#include <gtest/gtest.h>

#include <QApplication>

// The widget tests need one QApplication for the whole run, and no display: without a platform
// chosen they draw off screen (also when the build lists the tests).
int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
