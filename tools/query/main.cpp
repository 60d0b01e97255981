// corvanel-query: what the result-list window lists for a request, for the
// collection's publisher and for scripts.
#include "DisplayLineBreaker.h"
#include "ProgramFonts.h"
#include "QueryRun.h"
#include "ResultListLogic.h"
#include "ResultListWindowLayout.h"
#include "RuntimeFolderNotice.h"

#include <QFont>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    const corvanel::cli::RuntimeFolderNoticeFilter runtimeFolderNotice;
    // Fonts need a GUI application; no window is ever shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    // Court decisions' lines as the result-list window breaks them.
    const corvanel::DisplayLineBreaker decisionLines(
        corvanel::ProgramFonts::sansSerif(corvanel::result_list_layout::kWindowFontPixels),
        corvanel::ResultListLogic::kDecisionTextWidth);
    return corvanel::query::runQuery(QGuiApplication::arguments().mid(1), decisionLines, out, err);
}
