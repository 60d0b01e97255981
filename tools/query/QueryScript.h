#pragma once

#include "ProgramCommandLine.h"
#include "ResultArrangement.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

class QCommandLineParser;

namespace corvanel::query {

// A request field written from the command line.
struct FieldWrite {
    enum class Field { tipo, Edit4, Edit3, Aux, SUBCAT, SUBCATOK };
    Field field;
    QString value;
};

// What the user does after the showing.
struct Step {
    enum class Kind { Search, Narrow, Back, Open };
    Kind kind;
    int row = -1;  // Open: the line of ListBox1, from 0
};

using Action = std::variant<FieldWrite, Step>;

// The command line in the order it was given: field writes apply before
// the showing or before the next step.
struct QueryScript {
    QString database;
    std::vector<Action> actions;
    // After each document of a key-word result, the words in context.
    bool passages = false;
    // Searches and narrowings match whole words only.
    bool wholeWords = false;
    // The order of key-word results, and whether each document is listed once.
    ResultArrangement arrangement;
};

// The tool's options, help and exit statuses.
cli::ProgramSyntax querySyntax();

// Reads a command line parsed with querySyntax()'s options, in the order
// the options were given. On a mistake, returns nothing and sets error to a
// message for the user.
std::optional<QueryScript> scriptFrom(const QCommandLineParser& parser, QString& error);

}  // namespace corvanel::query
