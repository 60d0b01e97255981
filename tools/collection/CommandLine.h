#pragma once

#include <QStringList>

class QTextStream;

namespace corvanel::collection {

// Runs the tool on its arguments (without the program name): 0 on success,
// 1 when the build fails, 2 on a usage error. Messages go to out and err.
int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace corvanel::collection
