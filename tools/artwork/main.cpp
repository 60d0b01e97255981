// corvanel-artwork PICTURE-LIST OUTPUT-FOLDER
// corvanel-artwork --contrast PICTURE-LIST
//
// Draws every picture named in the list into the output folder, and the
// high-contrast set into its "contrast" folder. The build runs it; the
// program's resource file is made from what it writes. With --contrast it
// draws nothing and prints the contrast of every word in both sets.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "picture_list.h"
#include "words.h"

namespace {

int draw(const QString& list, const QString& folder) {
    const QString contrastFolder = QDir(folder).filePath(QLatin1String(artwork::kContrastFolder));
    for (const QString& path : {folder, contrastFolder}) {
        if (!QDir().mkpath(path)) {
            std::fprintf(stderr, "corvanel-artwork: cannot create %s\n", qPrintable(path));
            return 1;
        }
    }
    for (const artwork::Picture& picture : artwork::readPictureList(list)) {
        artwork::save(picture, artwork::render(picture), folder);
        artwork::save(picture, artwork::render(picture, artwork::Scheme::HighContrast),
                      contrastFolder);
    }
    return 0;
}

int report(const QString& list) {
    bool allPass = true;
    std::printf("%-32s %-28s %8s %13s\n", "picture", "words", "design", "high contrast");
    for (const artwork::Picture& picture : artwork::readPictureList(list)) {
        const auto design = artwork::measureWords(picture, artwork::Scheme::Design);
        const auto high = artwork::measureWords(picture, artwork::Scheme::HighContrast);
        for (size_t i = 0; i < high.size() && i < design.size(); ++i) {
            const bool pass = high[i].ratio >= high[i].required();
            allPass = allPass && pass;
            std::printf("%-32s %-28s %6.2f:1 %8.2f:1 %s%s\n", qPrintable(picture.file),
                        qPrintable(high[i].text.left(28)), design[i].ratio, high[i].ratio,
                        high[i].large ? "large" : "", pass ? "" : "  BELOW");
        }
    }
    return allPass ? 0 : 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    // Fonts need a platform plugin, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const bool contrast = args.size() == 3 && args.at(1) == QLatin1String("--contrast");
    if (args.size() != 3) {
        std::fprintf(stderr,
                     "usage: corvanel-artwork PICTURE-LIST OUTPUT-FOLDER\n"
                     "       corvanel-artwork --contrast PICTURE-LIST\n");
        return 2;
    }
    try {
        return contrast ? report(args.at(2)) : draw(args.at(1), args.at(2));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "corvanel-artwork: %s\n", e.what());
        return 1;
    }
}
