#pragma once

#include "Reply.h"
#include "ResultArrangement.h"
#include "SearchRequest.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace corvanel::web {

// How a reader asked the words matched and the rows listed: "Palavra
// inteira", "Ordenar por" and "Agrupar por documento".
struct SearchChoices {
    bool wholeWords = false;
    ResultArrangement arrangement = {};
    bool operator==(const SearchChoices&) const = default;

    // An unknown or missing value reads as the default.
    static SearchChoices of(const Request& request);
};

// A result as its address carries it: the first request, then each
// "Buscar nos resultados" in order. Dropping the last narrowing is "Voltar".
struct ResultChain {
    SearchChain steps;
    // The letter of the section whose search or listing this is, if any
    // (Ciclos de Vida searches Textos' cards, so the scope cannot tell).
    QString section;
    ResultArrangement arrangement = {};

    SearchChoices choices() const { return {steps.wholeWords, arrangement}; }
    // The words searched for, the first request's and each narrowing's: the
    // rows' relevance and the document's marks.
    QStringList words() const;
};

// The addresses of results: /resultado?q=..&dentro=..&pagina=N and the
// listings of sections and categories. Arguments:
//   q         the words of the general search, or of a section's (with secao)
//   secao     a section letter ("A" to "F"): its search, or its listing without q
//   onde      a sub-category code of the section's filter
//   categoria a category code of a section's tree
//   lista     "geral": the whole collection
//   inteira   "1": the words matched as whole words, in every step
//   ordem     "relevancia": ordered by relevance instead of title
//   agrupar   "1": each document once, with its count of matching rows
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

    // The query (without '?') that parse() reads back as this chain and page;
    // choices at their defaults are left out.
    static QString queryOf(const ResultChain& chain, int page = 1);
    // The chain's query without its choices, for a form that asks them anew.
    static QString queryWithoutChoices(const ResultChain& chain);
    // The same chain with one more narrowing, or one fewer.
    static QString narrowedQuery(const ResultChain& chain, const QString& words);
    static QString previousQuery(const ResultChain& chain);
};

}  // namespace corvanel::web
