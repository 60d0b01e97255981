#pragma once

#include <QStringList>

class QTextStream;

namespace corvanel {
class TextLineBreaker;
}

namespace corvanel::query {

struct QueryScript;

// Runs the script over its database exactly as the result-list window
// would, with decisions broken into lines in the window's font. After the
// showing and after every step it prints the lines of ListBox1 with their
// keys, the message boxes shown ("! "), the page a double click opens
// ("> ") and a closing "# count=... scope=... level=... tipo=..." line.
// Returns 0; 1 when a step ended in an error (printed as its message box);
// 2 when the database cannot be opened.
int runQueryScript(const QueryScript& script, const TextLineBreaker& decisionLines,
                   QTextStream& out, QTextStream& err);

// Reads the arguments (without the program's name) and runs them; answers
// --help and --version; 2 with a message in Portuguese for bad arguments.
int runQuery(const QStringList& arguments, const TextLineBreaker& decisionLines, QTextStream& out,
             QTextStream& err);

}  // namespace corvanel::query
