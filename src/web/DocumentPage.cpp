#include "DocumentPage.h"

#include "CollectionFiles.h"
#include "ContentAddress.h"
#include "DatabaseError.h"
#include "Passage.h"
#include "ResultAddress.h"
#include "Site.h"
#include "SiteFrame.h"
#include "WorkerDatabase.h"

#include <QUrl>
#include <QUrlQuery>

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

// The result to go back to, rebuilt from what it parses to: nothing of the
// request is echoed into the page unchecked.
std::optional<QString> backAddress(const Request& request) {
    if (!request.has(u"volta")) {
        return std::nullopt;
    }
    Request back;
    const QUrlQuery query(request.argument(u"volta"));
    for (const auto& [name, value] : query.queryItems(QUrl::FullyDecoded)) {
        back.arguments.emplace_back(name, value);
    }
    const ResultAddress::Parsed parsed = ResultAddress::parse(back);
    if (!parsed.chain) {
        return std::nullopt;
    }
    return u"/resultado?"_s + ResultAddress::queryOf(*parsed.chain, parsed.page);
}

// The text row a result row opened, when the request names one.
std::optional<std::int64_t> openedRow(const Request& request) {
    bool ok = false;
    const std::int64_t row = request.argument(u"linha").toLongLong(&ok);
    return ok && row > 0 ? std::optional(row) : std::nullopt;
}

// The arguments that carry the marks from the document to its framed page,
// each checked: nothing of the request goes on unread.
QString markArguments(const Request& request) {
    QString arguments =
        u"?marcar="_s + QString::fromLatin1(QUrl::toPercentEncoding(request.argument(u"marcar")));
    if (SearchChoices::of(request).wholeWords) {
        arguments += u"&inteira=1"_s;
    }
    if (const std::optional<std::int64_t> row = openedRow(request)) {
        arguments += u"&linha="_s + QString::number(*row);
    }
    return arguments;
}

}  // namespace

PageMarks pageMarksOf(const Site& site, const Request& request) {
    PageMarks marks{request.argument(u"marcar"), SearchChoices::of(request).wholeWords, {}};
    const std::optional<std::int64_t> row = openedRow(request);
    if (marks.words.isEmpty() || !row) {
        return marks;
    }
    // A row that cannot be read keeps no one from the page: it opens at its
    // first mark.
    try {
        marks.near = passageOf(workerDatabase(site).textRowFields(*row),
                               marks.words.split(u'\n', Qt::SkipEmptyParts),
                               marks.wholeWords ? WordMatching::WholeWords : WordMatching::Anywhere)
                         .text;
    } catch (const DatabaseError&) {
    }
    return marks;
}

Reply documentPage(const CollectionFiles& content, const std::optional<ListedDocument>& card,
                   const Request& request) {
    if (!card || !content.filePath(u"textos/"_s + card->code + u".htm")) {
        return errorPage(404, u"Não há documento com este código."_s);
    }
    const QString& code = card->code;
    const QString relative = u"textos/"_s + code + u".htm";
    const QString pageAddress = u"/colecao/"_s + relative;
    const QString title = card->title.trimmed().isEmpty() ? u"Documento "_s + code : card->title;
    SiteFrame frame(title);
    HtmlWriter& w = frame.writer();
    w.open("header"_L1, {{"class"_L1, u"documento"_s}});
    w.element("h1"_L1, title);
    if (const std::optional<QString> back = backAddress(request)) {
        w.element("a"_L1, u"Voltar ao resultado", {{"href"_L1, *back}});
    }
    // The collection's pages print themselves when asked so.
    w.element("a"_L1, u"Imprimir",
              {{"href"_L1, pageAddress + u"?op=Imprimir"_s}, {"target"_L1, u"_blank"_s}});
    w.element("a"_L1, u"Baixar", {{"href"_L1, pageAddress}, {"download"_L1, code + u".htm"}});
    w.close("header"_L1);
    QString frameAddress = pageAddress;
    if (request.has(u"marcar")) {
        frameAddress += markArguments(request);
    }
    // The page is untrusted: its scripts run, but in a frame of no origin.
    w.open("iframe"_L1, {{"class"_L1, u"pagina"_s},
                         {"id"_L1, u"pagina"_s},
                         {"title"_L1, title},
                         {"src"_L1, frameAddress},
                         {"sandbox"_L1, u"allow-scripts allow-modals allow-popups"_s}});
    w.close("iframe"_L1);
    return frame.reply();
}

Reply collectionFile(const CollectionFiles& content, const QString& relativePath,
                     const PageMarks& marks) {
    if (const std::optional<QString> path = content.filePath(relativePath)) {
        Reply reply;
        reply.kind = Reply::Kind::Collection;
        reply.contentType = CollectionFiles::contentTypeOf(*path);
        if (marks.words.isEmpty() || !reply.contentType.startsWith("text/html")) {
            reply.file = CollectionFiles::open(*path);
            if (reply.file.isOpen()) {
                return reply;
            }
        } else if (const std::optional<QByteArray> page = CollectionFiles::read(*path)) {
            reply.body = PageMarking::marked(*page, marks);
            return reply;
        }
    }
    return errorPage(404, u"Arquivo não encontrado no acervo."_s);
}

}  // namespace corvanel::web
