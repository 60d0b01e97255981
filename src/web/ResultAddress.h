#pragma once

#include "Reply.h"
#include "SearchRequest.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace corvanel::web {

// A result as its address carries it: the first request, then each
// "Buscar nos resultados" in order. Dropping the last narrowing is "Voltar".
struct ResultChain {
    SearchChain steps;
    // The letter of the section whose search or listing this is, if any
    // (Ciclos de Vida searches Textos' cards, so the scope cannot tell).
    QString section;
};

// The addresses of results: /resultado?q=..&dentro=..&pagina=N and the
// listings of sections and categories. Arguments:
//   q         the words of the general search, or of a section's (with secao)
//   secao     a section letter ("A" to "F"): its search, or its listing without q
//   onde      a sub-category code of the section's filter
//   categoria a category code of a section's tree
//   lista     "geral": the whole collection
//   dentro    a narrowing, repeated in order
//   pagina    the page, from 1
class ResultAddress {
public:
    static constexpr int kMaxNarrowings = 32;
    static constexpr int kMaxWords = 200;
    static constexpr int kRowsPerPage = 100;

    struct Parsed {
        std::optional<ResultChain> chain;
        int page = 1;
        QString problem;  // in Portuguese, when chain is empty
    };
    static Parsed parse(const Request& request);

    // The query (without '?') that parse() reads back as this chain and page.
    static QString queryOf(const ResultChain& chain, int page = 1);
    // The same chain with one more narrowing, or one fewer.
    static QString narrowedQuery(const ResultChain& chain, const QString& words);
    static QString previousQuery(const ResultChain& chain);
};

}  // namespace corvanel::web
