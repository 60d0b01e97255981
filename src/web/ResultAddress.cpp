#include "ResultAddress.h"

#include "CategoryTables.h"
#include "Sections.h"

#include <QUrl>

namespace corvanel::web {

namespace {

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

void append(QString& query, QStringView name, const QString& value) {
    if (!query.isEmpty()) {
        query += u'&';
    }
    query += name;
    query += u'=';
    query += encoded(value);
}

// Whether code is one of the section's filter codes.
bool isFilterCode(const SectionFacts& section, QStringView code) {
    for (const auto& categories : categories::kSectionCategories) {
        if (categories.section != section.section) {
            continue;
        }
        for (const auto& item : categories.filter) {
            if (!item.code.isEmpty() && item.code == code) {
                return true;
            }
        }
    }
    return false;
}

// The section whose letter (not card letter) this is.
const SectionFacts* sectionLettered(QStringView letter) {
    for (const SectionFacts& section : kSections) {
        if (section.letter == letter) {
            return &section;
        }
    }
    return nullptr;
}

struct FirstRequest {
    std::optional<SearchRequest> request;
    QString problem;
};

FirstRequest firstRequestOf(const Request& request) {
    const QString words = request.argument(u"q");
    if (request.has(u"secao")) {
        const SectionFacts* section = sectionLettered(request.argument(u"secao"));
        if (section == nullptr) {
            return {std::nullopt, QStringLiteral("Seção desconhecida.")};
        }
        const QString where = request.argument(u"onde");
        if (!where.isEmpty() && !isFilterCode(*section, where)) {
            return {std::nullopt, QStringLiteral("Filtro desconhecido nesta seção.")};
        }
        // The section's listing is its search for one blank.
        const QString searched = words.trimmed().isEmpty() ? QStringLiteral(" ") : words;
        const SearchScope scope = where.isEmpty()
                                      ? SearchScope::section(section->cardLetter.toString())
                                      : SearchScope::subcategory(where);
        // A section's own search lists its rows plain, as on the desktop.
        return {WordSearch{searched, scope, /*underLabels=*/false}, {}};
    }
    if (request.has(u"categoria")) {
        const QString code = request.argument(u"categoria");
        if (!categories::listedCategoryCodes().contains(code)) {
            return {std::nullopt, QStringLiteral("Categoria desconhecida.")};
        }
        return {CategoryListing{code}, {}};
    }
    if (request.argument(u"lista") == u"geral") {
        return {CollectionListing{}, {}};
    }
    if (words.trimmed().isEmpty()) {
        return {std::nullopt, QStringLiteral("Escreva as palavras da busca.")};
    }
    return {WordSearch{words, SearchScope::allSections()}, {}};
}

// The chain's words matched as the choices say; a section's listing (its
// search for a blank) lists every row whatever they say.
void apply(const SearchChoices& choices, ResultChain& chain) {
    chain.steps.wholeWords = choices.wholeWords;
    chain.arrangement = choices.arrangement;
    if (auto* search = std::get_if<WordSearch>(&chain.steps.request)) {
        search->wholeWords = choices.wholeWords && !search->words.trimmed().isEmpty();
    }
}

void appendChoices(QString& query, const SearchChoices& choices) {
    if (choices.wholeWords) {
        append(query, u"inteira", QStringLiteral("1"));
    }
    if (choices.arrangement.order == ResultOrder::Relevance) {
        append(query, u"ordem", QStringLiteral("relevancia"));
    }
    if (choices.arrangement.groupedByDocument) {
        append(query, u"agrupar", QStringLiteral("1"));
    }
}

// The first request's arguments.
QString requestQuery(const ResultChain& chain) {
    QString query;
    if (std::holds_alternative<CollectionListing>(chain.steps.request)) {
        append(query, u"lista", QStringLiteral("geral"));
    } else if (const auto* category = std::get_if<CategoryListing>(&chain.steps.request)) {
        append(query, u"categoria", category->category);
    } else if (const auto* search = std::get_if<WordSearch>(&chain.steps.request)) {
        const SearchScope& scope = search->scope;
        if (scope.kind == SearchScope::Kind::AllSections) {
            append(query, u"q", search->words);
        } else {
            append(query, u"secao", chain.section);
            if (!search->words.trimmed().isEmpty()) {
                append(query, u"q", search->words);
            }
            if (scope.kind == SearchScope::Kind::Subcategory) {
                append(query, u"onde", scope.filter);
            }
        }
    }
    return query;
}

void appendNarrowings(QString& query, const ResultChain& chain) {
    for (const QString& words : chain.steps.narrowings) {
        append(query, u"dentro", words);
    }
}

}  // namespace

SearchChoices SearchChoices::of(const Request& request) {
    SearchChoices choices;
    choices.wholeWords = request.argument(u"inteira") == u"1";
    if (request.argument(u"ordem") == u"relevancia") {
        choices.arrangement.order = ResultOrder::Relevance;
    }
    choices.arrangement.groupedByDocument = request.argument(u"agrupar") == u"1";
    return choices;
}

QStringList ResultChain::words() const {
    QStringList words;
    if (const auto* search = std::get_if<WordSearch>(&steps.request)) {
        if (!search->words.trimmed().isEmpty()) {
            words << search->words;
        }
    }
    words << steps.narrowings;
    return words;
}

ResultAddress::Parsed ResultAddress::parse(const Request& request) {
    Parsed parsed;
    QStringList narrowings;
    for (const auto& [name, value] : request.arguments) {
        if (value.size() > kMaxWords) {
            parsed.problem =
                QStringLiteral("Palavras longas demais (no máximo %1 caracteres).").arg(kMaxWords);
            return parsed;
        }
        if (name == u"dentro") {
            narrowings << value;
        }
    }
    if (narrowings.size() > kMaxNarrowings) {
        parsed.problem =
            QStringLiteral("Buscas demais nos resultados (no máximo %1).").arg(kMaxNarrowings);
        return parsed;
    }
    if (request.has(u"pagina")) {
        bool ok = false;
        parsed.page = request.argument(u"pagina").toInt(&ok);
        if (!ok || parsed.page < 1) {
            parsed.problem = QStringLiteral("Página inválida.");
            return parsed;
        }
    }
    FirstRequest first = firstRequestOf(request);
    if (!first.request) {
        parsed.problem = first.problem;
        return parsed;
    }
    parsed.chain = ResultChain{SearchChain{*first.request, narrowings},
                               request.has(u"secao") ? request.argument(u"secao") : QString()};
    apply(SearchChoices::of(request), *parsed.chain);
    return parsed;
}

QString ResultAddress::queryOf(const ResultChain& chain, int page) {
    QString query = requestQuery(chain);
    appendChoices(query, chain.choices());
    appendNarrowings(query, chain);
    if (page > 1) {
        append(query, u"pagina", QString::number(page));
    }
    return query;
}

QString ResultAddress::queryWithoutChoices(const ResultChain& chain) {
    QString query = requestQuery(chain);
    appendNarrowings(query, chain);
    return query;
}

QString ResultAddress::narrowedQuery(const ResultChain& chain, const QString& words) {
    ResultChain narrowed = chain;
    narrowed.steps.narrowings << words;
    return queryOf(narrowed);
}

QString ResultAddress::previousQuery(const ResultChain& chain) {
    ResultChain previous = chain;
    if (!previous.steps.narrowings.isEmpty()) {
        previous.steps.narrowings.removeLast();
    }
    return queryOf(previous);
}

}  // namespace corvanel::web
