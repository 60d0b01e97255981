#include "ResultPages.h"

#include "Database.h"
#include "ResultAddress.h"
#include "ResultCache.h"
#include "ShownRows.h"
#include "SiteFrame.h"

#include <QUrl>

#include <array>
#include <charconv>

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr QStringView kNothingFound = u"Nenhum documento localizado para sua busca.";

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

// What the result shows, as the desktop names it beside the list.
QString scopeCaption(const ResultChain& chain) {
    if (std::holds_alternative<CollectionListing>(chain.steps.request)) {
        return u"Lumbra"_s;
    }
    if (const auto* category = std::get_if<CategoryListing>(&chain.steps.request)) {
        return u"Categoria "_s + category->category;
    }
    const auto& search = std::get<WordSearch>(chain.steps.request);
    QString caption = search.scope.kind == SearchScope::Kind::AllSections
                          ? u"Todos"_s
                          : u"Seção "_s + chain.section;
    if (!search.words.trimmed().isEmpty()) {
        caption += u": “"_s + search.words + u"”";
    }
    return caption;
}

// The words to mark, and how, from a row's document back to the result.
QString documentArguments(const ResultChain& chain, int page) {
    QString arguments = u"?volta="_s + encoded(ResultAddress::queryOf(chain, page));
    const QStringList words = chain.words();
    if (!words.isEmpty()) {
        arguments += u"&marcar="_s + encoded(words.join(u'\n'));
        if (chain.steps.wholeWords) {
            arguments += u"&inteira=1"_s;
        }
    }
    return arguments;
}

QString rowCountText(int documentRows) {
    return documentRows == 1 ? u"1 trecho"_s : u"%1 trechos"_s.arg(documentRows);
}

// The words in context, matches in bold; a note in italics when the words
// are only in the title, key words or sub-title.
void writePassage(HtmlWriter& w, const ShownPassage& passage) {
    if (passage.text.isEmpty()) {
        return;
    }
    if (passage.note) {
        w.element("span"_L1, passage.text, {{"class"_L1, u"trecho nota"_s}});
        return;
    }
    const QStringView text(passage.text);
    w.open("span"_L1, {{"class"_L1, u"trecho"_s}});
    qsizetype at = 0;
    for (const Passage::Mark& mark : passage.marks) {
        w.text(text.sliced(at, mark.start - at));
        w.element("b"_L1, text.sliced(mark.start, mark.length));
        at = mark.start + mark.length;
    }
    w.text(text.sliced(at));
    w.close("span"_L1);
}

void writeRows(HtmlWriter& w, const std::vector<ShownRow>& rows, const QString& arguments,
               bool opensAtRow) {
    w.open("ol"_L1, {{"class"_L1, u"resultado"_s}});
    for (const ShownRow& row : rows) {
        // A key-word row opens at its own passage, a grouped one at its best.
        // Written in one piece: a page has a hundred of them.
        std::array<char, 24> digits{};
        const char* digitsEnd =
            std::to_chars(digits.data(), digits.data() + digits.size(), row.textRow).ptr;
        const QString address =
            u"/documento/"_s + row.code + arguments +
            (opensAtRow ? "&linha="_L1 : QLatin1StringView()) +
            (opensAtRow ? QLatin1StringView(digits.data(), digitsEnd) : QLatin1StringView());
        w.open("li"_L1);
        if (!row.labelLine.isEmpty()) {
            w.element("span"_L1, row.labelLine, {{"class"_L1, u"rotulo"_s}});
        }
        if (row.decision) {
            w.text(QString::number(row.number) + u" - ");
            w.element("span"_L1, row.detail, {{"class"_L1, u"detalhe decisao"_s}});
            w.element("a"_L1, u"Clique para visualizar", {{"href"_L1, address}});
        } else {
            w.text(QString::number(row.number) + u" - ");
            w.element("a"_L1, row.title, {{"href"_L1, address}});
            if (!row.detail.isEmpty()) {
                w.element("span"_L1, row.detail, {{"class"_L1, u"detalhe"_s}});
            }
        }
        writePassage(w, row.passage);
        if (row.documentRows > 0) {
            w.element("span"_L1, rowCountText(row.documentRows), {{"class"_L1, u"trechos"_s}});
        }
        w.close("li"_L1);
    }
    w.close("ol"_L1);
}

void writePager(HtmlWriter& w, const ResultChain& chain, int page, int pages) {
    if (pages <= 1) {
        return;
    }
    w.open("nav"_L1, {{"class"_L1, u"paginas"_s}, {"aria-label"_L1, u"Páginas"_s}});
    if (page > 1) {
        w.element("a"_L1, u"« Anterior",
                  {{"href"_L1, u"/resultado?"_s + ResultAddress::queryOf(chain, page - 1)},
                   {"rel"_L1, u"prev"_s}});
    }
    w.element("span"_L1, u"Página %1 de %2"_s.arg(page).arg(pages));
    if (page < pages) {
        w.element("a"_L1, u"Próxima »",
                  {{"href"_L1, u"/resultado?"_s + ResultAddress::queryOf(chain, page + 1)},
                   {"rel"_L1, u"next"_s}});
    }
    w.close("nav"_L1);
}

// The arguments of query as hidden fields of a form.
void writeHiddenFields(HtmlWriter& w, const QString& query) {
    for (const QString& pair : query.split(u'&', Qt::SkipEmptyParts)) {
        const qsizetype equals = pair.indexOf(u'=');
        w.empty("input"_L1,
                {{"type"_L1, u"hidden"_s},
                 {"name"_L1, QUrl::fromPercentEncoding(pair.left(equals).toLatin1())},
                 {"value"_L1, QUrl::fromPercentEncoding(pair.mid(equals + 1).toLatin1())}});
    }
}

// The narrowing form carries the chain so far, choices and all, in hidden
// fields.
void writeNarrowingForm(HtmlWriter& w, const ResultChain& chain) {
    openSearchForm(w, u"busca"_s);
    writeHiddenFields(w, ResultAddress::queryOf(chain));
    writeSearchBox(w, {.label = u"Buscar nos resultados"_s,
                       .id = u"dentro"_s,
                       .name = u"dentro"_s,
                       .required = true});
    w.close("form"_L1);
}

// The same chain asked again with other choices, from its first page.
void writeChoicesForm(HtmlWriter& w, const ResultChain& chain) {
    w.open("form"_L1, {{"class"_L1, u"busca"_s},
                       {"action"_L1, u"/resultado"_s},
                       {"method"_L1, u"get"_s},
                       {"aria-label"_L1, u"Opções do resultado"_s}});
    writeHiddenFields(w, ResultAddress::queryWithoutChoices(chain));
    writeChoiceControls(w, chain.choices());
    w.element("button"_L1, u"Aplicar", {{"type"_L1, u"submit"_s}});
    w.close("form"_L1);
}

// A result's page as the site writes it.
QByteArray writtenPage(Database& database, ResultCache& results, const ResultChain& chain,
                       const SearchResult& result, int page, int pages) {
    const int total = result.count();
    SiteFrame frame(u"Resultado"_s, chain.choices());
    HtmlWriter& w = frame.writer();
    w.element("h1"_L1, u"Resultado");
    w.element("p"_L1, u"Pesquisando: "_s + scopeCaption(chain));
    if (!chain.steps.narrowings.isEmpty()) {
        w.open("p"_L1, {{"class"_L1, u"passos"_s}});
        w.text(u"Buscas nos resultados: ");
        w.text(u"“"_s + chain.steps.narrowings.join(u"” › “"_s) + u"”");
        w.close("p"_L1);
    }
    w.element("p"_L1, total == 1 ? u"1 documento"_s : u"%1 documentos"_s.arg(total),
              {{"id"_L1, u"total"_s}});
    const bool byWords = !chain.words().isEmpty();
    if (byWords) {
        writeChoicesForm(w, chain);
    }
    // Only a labelled result can be searched again (a plain listing's
    // narrowing finds nothing, as on the desktop).
    if (result.labelled) {
        writeNarrowingForm(w, chain);
    }
    if (!chain.steps.narrowings.isEmpty()) {
        w.open("p"_L1);
        w.element("a"_L1, u"Voltar",
                  {{"href"_L1, u"/resultado?"_s + ResultAddress::previousQuery(chain)}});
        w.close("p"_L1);
    }
    if (total == 0) {
        w.element("p"_L1, kNothingFound);
    } else {
        writeRows(w, *shownPage(results, database, chain, result, page),
                  documentArguments(chain, page), byWords);
        writePager(w, chain, page, pages);
    }
    // Kept for long: without the room UTF-8 conversion reserved (up to three
    // times the page).
    QByteArray written = frame.reply().body;
    written.squeeze();
    return written;
}

}  // namespace

Reply resultPage(Database& database, ResultCache& results, const Request& request) {
    const ResultAddress::Parsed parsed = ResultAddress::parse(request);
    if (!parsed.chain) {
        return errorPage(400, parsed.problem);
    }
    const ResultChain& chain = *parsed.chain;
    const std::shared_ptr<const SearchResult> held = resultOf(results, database, chain);
    const int perPage = ResultAddress::kRowsPerPage;
    const int pages = std::max(1, (held->count() + perPage - 1) / perPage);
    if (parsed.page > pages) {
        return errorPage(404, u"Esta página do resultado não existe."_s);
    }
    // A page follows from its address alone: asked again, it is sent as it
    // was written, not written anew.
    Reply reply;
    reply.body = *results.writtenPages.find(ResultAddress::queryOf(chain, parsed.page), [&] {
        return writtenPage(database, results, chain, *held, parsed.page, pages);
    });
    return reply;
}

Reply authorsPage(Database& database) {
    SiteFrame frame(u"Textos por autor"_s);
    HtmlWriter& w = frame.writer();
    w.element("h1"_L1, u"Textos por autor");
    w.open("ol"_L1, {{"class"_L1, u"resultado"_s}});
    int number = 0;
    database.listAuthors([&](const QString& author) {
        w.open("li"_L1);
        w.text(QString::number(++number) + u" - ");
        w.element("a"_L1, author, {{"href"_L1, u"/resultado?q="_s + encoded(author)}});
        w.close("li"_L1);
    });
    w.close("ol"_L1);
    return frame.reply();
}

}  // namespace corvanel::web
