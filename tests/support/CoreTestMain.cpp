#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The core's test programs run with a QCoreApplication only: no platform
// plug-in, no display, as corvanel-query and corvanel-serve run.
int main(int argc, char** argv) {
    // Settings go to a folder of this run, never the user's own.
    const QTemporaryDir configFolder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configFolder.path()));
    QCoreApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
