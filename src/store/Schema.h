#pragma once

#include <QString>

namespace corvanel {

namespace sqlite {
class Connection;
}

namespace Schema {

// Creates the tables of an empty collection database: LABELS, TEXTOS,
// LABELS2, CONTROLE, and the stored password. Titles and sub-titles sort in
// Portuguese order (collation PTBR, which every connection of the program
// registers). Throws DatabaseError.
void create(sqlite::Connection& connection, const QString& password);

// The password the program's connection string carries.
QString programPassword();

}  // namespace Schema

}  // namespace corvanel
