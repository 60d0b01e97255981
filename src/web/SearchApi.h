#pragma once

#include "ListedDocument.h"
#include "Reply.h"

#include <optional>

namespace corvanel {
class Database;
}

namespace corvanel::web {

struct ResultCache;
struct Site;

// /api/v1/busca: a chain's rows as JSON, 100 a page:
// {"total": N, "pagina": P, "paginas": Q, "linhas": [{"numero", "codigo", "titulo",
// "subtitulo", "secao"}, ...]}. Its arguments are those of /resultado.
Reply searchAnswer(Database& database, ResultCache& results, const Request& request);

// /api/v1/secoes: each section's letter, name and total.
Reply sectionsAnswer(const Site& site);

// /api/v1/secoes/L: a section's category tree, each node with its level,
// caption and code ("X" for a heading); 404 for no section.
Reply categoriesAnswer(QStringView letter);

// /api/v1/documento/CODIGO: a document's card; 404 without one.
Reply cardAnswer(const std::optional<ListedDocument>& card);

// An error as JSON: {"erro": message}.
Reply apiError(int status, const QString& message);

}  // namespace corvanel::web
