// corvanel-artwork PICTURE-LIST OUTPUT-FOLDER
//
// Draws every picture named in the list into the output folder. The build
// runs it; the program's resource file is made from what it writes.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "picture_list.h"

int main(int argc, char* argv[]) {
    // Fonts need a platform plugin, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: corvanel-artwork PICTURE-LIST OUTPUT-FOLDER\n");
        return 2;
    }
    try {
        const QString& folder = args.at(2);
        if (!QDir().mkpath(folder)) {
            std::fprintf(stderr, "corvanel-artwork: cannot create %s\n", qPrintable(folder));
            return 1;
        }
        for (const artwork::Picture& picture : artwork::readPictureList(args.at(1))) {
            artwork::save(picture, artwork::render(picture), folder);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "corvanel-artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
