#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace corvanel::web {

struct ServeOptions {
    QString collectionFolder;  // holds db3.mdb
    QString listen = QStringLiteral("127.0.0.1:8080");
    int threads = 4;
};

// Reads corvanel-serve's command line. The collection is found as the
// desktop program finds it: --collection, CORVANEL_COLLECTION, the folder
// beside the program, the installed sample. A server has no user whose last
// collection it could remember. Nothing, with the exit status in exitStatus,
// when the program should not run (help, version, a mistake told on err).
std::optional<ServeOptions> readServeCommandLine(const QStringList& arguments,
                                                 const QString& programFolder, QTextStream& out,
                                                 QTextStream& err, int& exitStatus);

}  // namespace corvanel::web
