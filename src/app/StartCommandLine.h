#pragma once

#include "ProgramCommandLine.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace corvanel {

// corvanel's command line: corvanel [COLEÇÃO].
cli::ProgramSyntax programSyntax();

// The arguments without the options Qt takes for itself (-platform xcb,
// -style=fusion, -reverse...).
QStringList withoutQtOptions(const QStringList& arguments);

// Answers --help and --version, and tells a mistake (an unknown option, a
// collection that is none), from the raw arguments before the application
// exists: on a terminal without a display, and opening no window. Prints on
// stdout, mistakes on stderr; the exit status when it answered.
std::optional<int> answerBeforeStart(cli::ProgramCommandLine& commandLine, int argc,
                                     const char* const* argv);

// The collection the arguments or CORVANEL_COLLECTION name; folder empty
// when neither names one. The exit status of a mistake, told on err.
std::optional<int> readNamedFolder(cli::ProgramCommandLine& commandLine,
                                   const QStringList& arguments, QString& folder, QTextStream& err);

// Reads the arguments the application left (Qt takes its own, such as
// -platform, out first) and sets folder to the collection to open: the one
// named there, else in CORVANEL_COLLECTION, else the one opened last
// (rememberedFolder, while it still holds a collection), else the program's
// own or the installed one. The exit status of a mistake, told on err.
std::optional<int> readCollectionFolder(cli::ProgramCommandLine& commandLine,
                                        const QStringList& arguments, const QString& programFolder,
                                        const QString& rememberedFolder, QString& folder,
                                        QTextStream& err);
// The same on the running application's arguments and folder and the user's
// settings, telling on stderr.
std::optional<int> readCollectionFolder(cli::ProgramCommandLine& commandLine, QString& folder);

}  // namespace corvanel
