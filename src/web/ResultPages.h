#pragma once

#include "Reply.h"

namespace corvanel {
class Database;
}

namespace corvanel::web {

struct ResultCache;

// /resultado: a chain's rows, a page of 100 at a time, with the narrowing
// form and "Voltar" (the same chain less its last step).
Reply resultPage(Database& database, ResultCache& results, const Request& request);

// /autores: "Textos por autor", each author a general search for the name.
Reply authorsPage(Database& database);

}  // namespace corvanel::web
