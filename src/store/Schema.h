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

// How the schema of the database in connection differs from what the
// builder writes (create() and the search index), in Portuguese; empty when
// it does not. Views, triggers, tables the builder never writes, indexes on
// expressions and generated columns differ; so does a missing column or a
// missing LABELS, TEXTOS or CONTROLE. A collection written before the search
// index or its short strings' part, or with the folded copy of the texts
// an earlier index kept, does not. Reads the schema alone.
// Throws DatabaseError.
QString differenceFromBuilt(sqlite::Connection& connection);

}  // namespace Schema

}  // namespace corvanel
