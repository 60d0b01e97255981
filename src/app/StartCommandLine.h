#pragma once

#include "ProgramCommandLine.h"

#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace corvanel {

// corvanel's command line: corvanel [COLEÇÃO].
cli::ProgramSyntax programSyntax();

// Answers --help and --version from the raw arguments, before the
// application exists: they print on a terminal without a display and open
// no window. Prints on stdout; the exit status when it answered.
std::optional<int> answerBeforeStart(cli::ProgramCommandLine& commandLine, int argc,
                                     const char* const* argv);

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
