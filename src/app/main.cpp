#include "CorvanelApplication.h"
#include "Prompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[]) {
    // Qt WebEngine needs contexts shared before the application exists.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication application(argc, argv);
    QApplication::setApplicationName(corvanel::kApplicationTitle.toString());
    QApplication::setApplicationDisplayName(corvanel::kApplicationTitle.toString());
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QTranslator qtTranslations;
    if (qtTranslations.load(QStringLiteral("qtbase_pt_BR"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslations);
    }

    corvanel::CorvanelApplication corvanel(QCoreApplication::applicationDirPath());
    corvanel.start();
    QApplication::exec();
    return 0;
}
