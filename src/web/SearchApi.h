#pragma once

#include "Reply.h"

namespace corvanel {
class Database;
}

namespace corvanel::web {

struct Site;

// /api/v1/busca: a chain's rows as JSON, 100 a page:
// {"total": N, "pagina": P, "paginas": Q, "linhas": [{"numero", "codigo", "titulo",
// "subtitulo", "secao"}, ...]}. Its arguments are those of /resultado.
Reply searchAnswer(Database& database, const Request& request);

// /api/v1/secoes: each section's letter, name and total.
Reply sectionsAnswer(const Site& site);

// An error as JSON: {"erro": message}.
Reply apiError(int status, const QString& message);

}  // namespace corvanel::web
