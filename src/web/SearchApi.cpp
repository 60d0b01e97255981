#include "SearchApi.h"

#include "CategoryTables.h"
#include "ResultAddress.h"
#include "ResultCache.h"
#include "ShownRows.h"
#include "Site.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

Reply json(const QJsonObject& object, int status = 200) {
    Reply reply;
    reply.status = status;
    reply.contentType = "application/json; charset=utf-8";
    reply.body = QJsonDocument(object).toJson(QJsonDocument::Compact);
    return reply;
}

}  // namespace

Reply apiError(int status, const QString& message) {
    return json({{u"erro"_s, message}}, status);
}

Reply searchAnswer(Database& database, ResultCache& results, const Request& request) {
    const ResultAddress::Parsed parsed = ResultAddress::parse(request);
    if (!parsed.chain) {
        return apiError(400, parsed.problem);
    }
    const std::shared_ptr<const SearchResult> held = resultOf(results, database, *parsed.chain);
    const SearchResult& result = *held;
    const int total = result.count();
    const int perPage = ResultAddress::kRowsPerPage;
    QJsonArray rows;
    for (const ShownRow& row : *shownPage(results, database, *parsed.chain, result, parsed.page)) {
        QJsonObject shown{{u"numero"_s, row.number},
                          {u"codigo"_s, row.code.toLongLong()},
                          {u"titulo"_s, row.title},
                          {u"subtitulo"_s, row.detail},
                          {u"secao"_s, row.sectionName}};
        if (row.documentRows > 0) {
            shown.insert(u"trechos"_s, row.documentRows);
        }
        if (!row.passage.text.isEmpty()) {
            shown.insert(u"trecho"_s, row.passage.text);
        }
        rows.append(shown);
    }
    return json({{u"total"_s, total},
                 {u"pagina"_s, parsed.page},
                 {u"paginas"_s, std::max(1, (total + perPage - 1) / perPage)},
                 {u"linhas"_s, rows}});
}

Reply sectionsAnswer(const Site& site) {
    QJsonArray sections;
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        sections.append(QJsonObject{{u"letra"_s, kSections[i].letter.toString()},
                                    {u"nome"_s, kSections[i].name.toString()},
                                    {u"total"_s, site.sectionTotals[i]}});
    }
    return json({{u"total"_s, site.documentCount}, {u"secoes"_s, sections}});
}

Reply categoriesAnswer(QStringView letter) {
    for (const auto& categories : categories::kSectionCategories) {
        const SectionFacts& section = sectionFacts(categories.section);
        if (section.letter != letter) {
            continue;
        }
        QJsonArray nodes;
        for (const categories::TreeNode& node : categories.tree) {
            nodes.append(QJsonObject{{u"nivel"_s, node.level},
                                     {u"titulo"_s, node.caption.trimmed().toString()},
                                     {u"codigo"_s, node.code.toString()}});
        }
        QJsonArray filter;
        for (const categories::FilterItem& item : categories.filter) {
            filter.append(QJsonObject{{u"titulo"_s, item.caption.trimmed().toString()},
                                      {u"codigo"_s, item.code.toString()}});
        }
        return json({{u"letra"_s, section.letter.toString()},
                     {u"nome"_s, section.name.toString()},
                     {u"arvore"_s, nodes},
                     {u"onde"_s, filter}});
    }
    return apiError(404, u"Seção desconhecida."_s);
}

Reply cardAnswer(const std::optional<ListedDocument>& card) {
    if (!card) {
        return apiError(404, u"Não há documento com este código."_s);
    }
    const SectionFacts* section = sectionOfCard(card->section);
    const QString sectionName = section != nullptr ? section->name.toString() : QString();
    const QString page = u"/documento/"_s + card->code;
    return json({{u"codigo"_s, card->code.toLongLong()},
                 {u"titulo"_s, card->title},
                 {u"subtitulo"_s, card->subtitle},
                 {u"secao"_s, sectionName},
                 {u"pagina"_s, page}});
}

}  // namespace corvanel::web
