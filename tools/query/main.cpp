// corvanel-query: what the result-list window lists for a request, for the
// collection's publisher and for scripts.
#include "Look.h"
#include "QueryRun.h"
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
    return corvanel::query::runQuery(
        QGuiApplication::arguments().mid(1),
        corvanel::Look::sansSerif(corvanel::result_list_layout::kWindowFontPixels), out, err);
}
