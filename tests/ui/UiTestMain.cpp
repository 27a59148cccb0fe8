#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// The widget tests need one QApplication for the whole run, and no display: without a platform
// chosen they draw off screen (also when the build lists the tests).
int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Window places the tests leave behind stay out of the user's settings.
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
