#include <QApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Every test program runs with a real QApplication (on the offscreen
// platform), so widgets and pixmaps behave as in the program.
int main(int argc, char** argv) {
    // Also when run by hand or listed by ctest at build time.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Chromium refuses its sandbox as root, and has no GPU here.
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    if (qEnvironmentVariableIsEmpty("QTWEBENGINE_CHROMIUM_FLAGS")) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox");
    }
    // Settings the program remembers go to a folder of this run, never the
    // user's own, and no run sees another's.
    const QTemporaryDir configFolder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configFolder.path()));
    const QTemporaryDir dataFolder;
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataFolder.path()));
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
