#include "Router.h"

#include "BrowsePages.h"
#include "DatabaseError.h"
#include "DocumentCard.h"
#include "DocumentPage.h"
#include "PageMarking.h"
#include "ResultPages.h"
#include "SearchApi.h"
#include "SiteFrame.h"
#include "WorkerDatabase.h"

#include <QDebug>

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr char kOpenSearch[] =
    R"xml(<?xml version="1.0" encoding="UTF-8"?>
<OpenSearchDescription xmlns="http://a9.com/-/spec/opensearch/1.1/">
<ShortName>Corvanel</ShortName>
<Description>Busca no acervo Corvanel</Description>
<InputEncoding>UTF-8</InputEncoding>
<Url type="text/html" method="get" template="/resultado?q={searchTerms}"/>
<Url type="application/json" method="get" template="/api/v1/busca?q={searchTerms}"/>
</OpenSearchDescription>
)xml";

Reply fixed(QByteArray body, QByteArray contentType) {
    Reply reply;
    reply.contentType = std::move(contentType);
    reply.body = std::move(body);
    reply.headers.emplace_back("Cache-Control", "max-age=3600");
    return reply;
}

}  // namespace

Router::Router(Site site) : site_(std::move(site)), content_(site_.contentFolder) {}

Reply Router::route(const Request& request) const {
    try {
        return dispatch(request);
    } catch (const DatabaseError& error) {
        qWarning().noquote() << "erro do acervo em" << request.path << ":" << error.message();
    } catch (const std::exception& error) {
        qWarning().noquote() << "erro em" << request.path << ":" << error.what();
    }
    if (request.path.startsWith(u"/api/")) {
        return apiError(500, u"O acervo não pôde atender o pedido."_s);
    }
    return errorPage(500, u"O acervo não pôde atender o pedido. Tente de novo mais tarde."_s);
}

Reply Router::dispatch(const Request& request) const {
    const QString& path = request.path;
    if (path == u"/saude") {
        // Answers once the collection opened, which it did before serving.
        return fixed("ok", "text/plain; charset=utf-8");
    }
    if (path == u"/") {
        return startPage(site_);
    }
    if (path.startsWith(u"/secao/")) {
        return sectionPage(site_, QStringView(path).mid(7));
    }
    if (path == u"/resultado") {
        return resultPage(workerDatabase(site_), results_, request);
    }
    if (path == u"/autores") {
        return authorsPage(workerDatabase(site_));
    }
    if (path.startsWith(u"/documento/")) {
        return documentPage(
            content_, documentCard(workerDatabase(site_), QStringView(path).mid(11)), request);
    }
    if (path.startsWith(u"/colecao/")) {
        return collectionFile(content_, path.mid(9), pageMarksOf(site_, request));
    }
    if (path == u"/api/v1/busca") {
        return searchAnswer(workerDatabase(site_), results_, request);
    }
    if (path == u"/api/v1/secoes") {
        return sectionsAnswer(site_);
    }
    if (path.startsWith(u"/api/v1/secoes/")) {
        return categoriesAnswer(QStringView(path).mid(15));
    }
    if (path.startsWith(u"/api/v1/documento/")) {
        return cardAnswer(documentCard(workerDatabase(site_), QStringView(path).mid(18)));
    }
    if (path == u"/recursos/site.css") {
        return fixed(SiteFrame::styleSheet(), "text/css; charset=utf-8");
    }
    if (path.startsWith(u"/recursos/") && path.endsWith(u".js")) {
        QByteArray script = PageMarking::script(path.mid(10));
        if (!script.isEmpty()) {
            return fixed(std::move(script), "text/javascript; charset=utf-8");
        }
    }
    if (path == u"/favicon.ico") {
        Reply none;
        none.status = 204;
        return none;
    }
    if (path == u"/opensearch.xml") {
        return fixed(kOpenSearch, "application/opensearchdescription+xml");
    }
    if (path.startsWith(u"/api/")) {
        return apiError(404, u"Endereço desconhecido."_s);
    }
    return errorPage(404, u"Não há página com este endereço."_s);
}

}  // namespace corvanel::web
