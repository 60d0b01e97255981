#include "SiteFrame.h"

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

// The program's green, RGB (123, 198, 33), darkened where text stands on
// white so it keeps a readable contrast.
constexpr char kStyleSheet[] = R"css(
*{box-sizing:border-box}
html{-webkit-text-size-adjust:100%}
body{margin:0;font-family:Arial,"Liberation Sans",sans-serif;color:#1a1a1a;background:#fff;line-height:1.45}
a{color:#2f5d0a}
a:focus,button:focus,input:focus,select:focus,summary:focus{outline:3px solid #1f4d00;outline-offset:2px}
.pular{position:absolute;left:-999px}
.pular:focus{left:8px;top:8px;background:#fff;padding:4px;z-index:2}
header.site{background:#7bc621;padding:8px 12px;display:flex;flex-wrap:wrap;gap:8px;align-items:center}
header.site a.nome{color:#102800;font-weight:bold;font-size:1.3em;text-decoration:none}
header.site form{display:flex;flex-wrap:wrap;align-items:center;flex:1 1 220px;gap:4px;max-width:32em}
header.site input{flex:1 1 10em;min-width:0}
input,select,button{font:inherit;padding:4px 6px}
button{background:#2f5d0a;color:#fff;border:0;border-radius:3px;cursor:pointer}
main{padding:8px 12px;max-width:60em;margin:0 auto;overflow-wrap:anywhere}
footer{padding:8px 12px;font-size:.85em;color:#444;border-top:1px solid #7bc621;text-align:center}
ul.secoes{list-style:none;padding:0;display:grid;grid-template-columns:repeat(auto-fill,minmax(14em,1fr));gap:8px}
ul.secoes li{border:1px solid #7bc621;border-radius:4px;padding:8px}
form.busca{display:flex;flex-wrap:wrap;gap:6px;align-items:center;margin:8px 0}
form.busca input[type=search]{flex:1 1 12em;min-width:0}
ul.arvore,ul.arvore ul{list-style:none;padding-left:1.1em;margin:2px 0}
ul.arvore{padding-left:0}
ol.resultado{list-style:none;padding:0}
ol.resultado li{padding:6px 0;border-bottom:1px solid #7bc621}
.rotulo{display:block;font-weight:bold;color:#2f5d0a}
.detalhe{display:block;color:#333}
.decisao{display:-webkit-box;-webkit-line-clamp:5;-webkit-box-orient:vertical;overflow:hidden}
nav.paginas{display:flex;flex-wrap:wrap;gap:12px;margin:10px 0}
.passos{color:#333}
details.opcoes summary{cursor:pointer;padding:4px 0}
details.opcoes[open]{flex-basis:100%}
.escolhas{display:flex;flex-wrap:wrap;gap:4px 14px;align-items:center}
.escolhas label{white-space:nowrap}
.escolhas input[type=checkbox]{margin:0 4px 0 0;width:1.1em;height:1.1em;vertical-align:middle}
.trechos{display:block;color:#2f5d0a;font-size:.9em}
.trecho{display:block;color:#555;font-size:.9em}
.trecho b{color:#1a1a1a;background:#e4f4cf}
.nota{font-style:italic}
header.documento{background:#7bc621;padding:6px 12px;display:flex;flex-wrap:wrap;gap:12px;align-items:center}
header.documento a{color:#102800}
iframe.pagina{display:block;width:100%;height:calc(100vh - 3.5em);border:0}
@media print{header.site,header.documento,footer,nav.paginas,form{display:none}iframe.pagina{height:auto;min-height:100vh}}
)css";

}  // namespace

SiteFrame::SiteFrame(const QString& title, const SearchChoices& choices) {
    HtmlWriter& w = writer_;
    w.literal("<!DOCTYPE html>");
    w.open("html"_L1, {{"lang"_L1, u"pt-BR"_s}});
    w.open("head"_L1);
    w.empty("meta"_L1, {{"charset"_L1, u"utf-8"_s}});
    w.empty("meta"_L1,
            {{"name"_L1, u"viewport"_s}, {"content"_L1, u"width=device-width, initial-scale=1"_s}});
    w.element("title"_L1, title + u" — Corvanel");
    w.empty("link"_L1, {{"rel"_L1, u"stylesheet"_s}, {"href"_L1, u"/recursos/site.css"_s}});
    w.empty("link"_L1, {{"rel"_L1, u"search"_s},
                        {"type"_L1, u"application/opensearchdescription+xml"_s},
                        {"title"_L1, u"Corvanel"_s},
                        {"href"_L1, u"/opensearch.xml"_s}});
    w.close("head"_L1);
    w.open("body"_L1);
    w.element("a"_L1, u"Ir para o conteúdo",
              {{"class"_L1, u"pular"_s}, {"href"_L1, u"#conteudo"_s}});
    w.open("header"_L1, {{"class"_L1, u"site"_s}});
    w.element("a"_L1, u"Corvanel", {{"class"_L1, u"nome"_s}, {"href"_L1, u"/"_s}});
    openSearchForm(w);
    writeSearchBox(w, {.label = u"Busca Geral"_s,
                       .id = u"busca-geral"_s,
                       .name = u"q"_s,
                       .labelHidden = true,
                       .placeholder = u"Buscar Documento"_s});
    writeFoldedChoices(w, choices);
    w.close("form"_L1);
    w.close("header"_L1);
    w.open("main"_L1, {{"id"_L1, u"conteudo"_s}});
}

Reply SiteFrame::reply(int status) {
    HtmlWriter& w = writer_;
    w.close("main"_L1);
    w.open("footer"_L1);
    w.text(u"Corvanel — acervo sobre os direitos da criança e do adolescente");
    w.close("footer"_L1);
    w.close("body"_L1);
    w.close("html"_L1);
    Reply reply;
    reply.status = status;
    reply.body = w.utf8();
    return reply;
}

QByteArray SiteFrame::styleSheet() {
    return QByteArray(kStyleSheet);
}

void openSearchForm(HtmlWriter& w, const QString& cssClass) {
    w.open("form"_L1, {{"class"_L1, cssClass},
                       {"action"_L1, u"/resultado"_s},
                       {"method"_L1, u"get"_s},
                       {"role"_L1, u"search"_s}});
}

void writeSearchBox(HtmlWriter& w, const SearchBox& box) {
    w.element("label"_L1, box.label,
              {{"for"_L1, box.id}, {"class"_L1, box.labelHidden ? u"pular"_s : QString()}});
    w.empty("input"_L1, {{"type"_L1, u"search"_s},
                         {"id"_L1, box.id},
                         {"name"_L1, box.name},
                         {"placeholder"_L1, box.placeholder},
                         {"required"_L1, box.required ? u"required"_s : QString()}});
    w.element("button"_L1, u"Buscar", {{"type"_L1, u"submit"_s}});
}

void writeChoiceControls(HtmlWriter& w, const SearchChoices& choices) {
    const auto checkBox = [&w](const QString& label, const QString& name, bool checked) {
        w.open("label"_L1);
        w.empty("input"_L1, {{"type"_L1, u"checkbox"_s},
                             {"name"_L1, name},
                             {"value"_L1, u"1"_s},
                             {"checked"_L1, checked ? u"checked"_s : QString()}});
        w.text(label);
        w.close("label"_L1);
    };
    const auto option = [&w](const QString& value, const QString& caption, bool selected) {
        w.element("option"_L1, caption,
                  {{"value"_L1, value}, {"selected"_L1, selected ? u"selected"_s : QString()}});
    };
    w.open("span"_L1, {{"class"_L1, u"escolhas"_s}});
    checkBox(u"Palavra inteira"_s, u"inteira"_s, choices.wholeWords);
    w.open("label"_L1);
    w.text(u"Ordenar por ");
    w.open("select"_L1, {{"name"_L1, u"ordem"_s}});
    const bool relevance = choices.arrangement.order == ResultOrder::Relevance;
    option(u"titulo"_s, u"título"_s, !relevance);
    option(u"relevancia"_s, u"relevância"_s, relevance);
    w.close("select"_L1);
    w.close("label"_L1);
    checkBox(u"Agrupar por documento"_s, u"agrupar"_s, choices.arrangement.groupedByDocument);
    w.close("span"_L1);
}

void writeFoldedChoices(HtmlWriter& w, const SearchChoices& choices) {
    w.open("details"_L1, {{"class"_L1, u"opcoes"_s}});
    w.element("summary"_L1, u"Opções");
    writeChoiceControls(w, choices);
    w.close("details"_L1);
}

Reply errorPage(int status, const QString& message) {
    SiteFrame frame(u"Erro"_s);
    HtmlWriter& w = frame.writer();
    w.element("h1"_L1, status == 404 ? u"Página não encontrada"_s : u"Pedido não atendido"_s);
    w.element("p"_L1, message);
    w.open("p"_L1);
    w.element("a"_L1, u"Voltar ao início", {{"href"_L1, u"/"_s}});
    w.close("p"_L1);
    return frame.reply(status);
}

}  // namespace corvanel::web
