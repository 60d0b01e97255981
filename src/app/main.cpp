#include "CorvanelApplication.h"
#include "Prompts.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

int main(int argc, char* argv[]) {
#ifdef Q_OS_UNIX
    // The page browser's engine will not start as root with its sandbox on.
    if (geteuid() == 0) {
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    }
#endif
    // The page engine describes its graphics set-up on every start; users
    // have no use for it on their terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
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
