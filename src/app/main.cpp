#include "CorvanelApplication.h"
#include "ProgramIcon.h"
#include "Prompts.h"
#include "RuntimeFolderNotice.h"
#include "StartCommandLine.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QLoggingCategory>
#include <QTranslator>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

int main(int argc, char* argv[]) {
    const corvanel::cli::RuntimeFolderNoticeFilter runtimeFolderNotice;
    corvanel::cli::ProgramCommandLine commandLine(corvanel::programSyntax());
    if (const std::optional<int> answered = corvanel::answerBeforeStart(commandLine, argc, argv)) {
        return *answered;
    }
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
    QApplication::setDesktopFileName(QStringLiteral("br.org.corvanel.Corvanel"));
    QApplication::setWindowIcon(corvanel::programIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));

    QString collectionFolder;
    if (const std::optional<int> mistake =
            corvanel::readCollectionFolder(commandLine, collectionFolder)) {
        return *mistake;
    }

    QTranslator qtTranslations;
    if (qtTranslations.load(QStringLiteral("qtbase_pt_BR"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtTranslations);
    }

    corvanel::CorvanelApplication corvanel(collectionFolder);
    if (!corvanel.start()) {
        return 1;
    }
    QApplication::exec();
    return 0;
}
