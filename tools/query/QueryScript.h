#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <variant>
#include <vector>

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
};

// Reads the arguments (without the program's name). On a mistake, returns
// nothing and sets error to a message for the user.
std::optional<QueryScript> parseQueryScript(const QStringList& arguments, QString& error);

inline constexpr QStringView kUsage =
    u"uso: corvanel-query --db ARQUIVO [--tipo K] [--edit4 X] [--edit3 P] [--aux L] "
    u"[--subcat S] [--subcatok V] [--then search|narrow|back|open LINHA] ...";

}  // namespace corvanel::query
