#include "SearchApi.h"

#include "ResultAddress.h"
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

Reply searchAnswer(Database& database, const Request& request) {
    const ResultAddress::Parsed parsed = ResultAddress::parse(request);
    if (!parsed.chain) {
        return apiError(400, parsed.problem);
    }
    const SearchResult result = evaluate(database, parsed.chain->steps);
    const int total = result.count();
    const int perPage = ResultAddress::kRowsPerPage;
    QJsonArray rows;
    for (const ShownRow& row : shownRows(database, result, (parsed.page - 1) * perPage, perPage)) {
        rows.append(QJsonObject{{u"numero"_s, row.number},
                                {u"codigo"_s, row.code.toLongLong()},
                                {u"titulo"_s, row.title},
                                {u"subtitulo"_s, row.detail},
                                {u"secao"_s, row.sectionName}});
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

}  // namespace corvanel::web
