#include "BrowsePages.h"

#include "CategoryTables.h"
#include "Site.h"
#include "SiteFrame.h"
#include "Version.h"

#include <QUrl>

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

// The program's own edition line, shown for a collection that names none.
constexpr QStringView kOwnEdition = u"Edição I - Março/04";
// The authors node of the Textos tree lists authors, not a category.
constexpr QStringView kAuthorsCode = u"A01";

QString sectionAddress(const SectionFacts& section) {
    return u"/secao/"_s + section.letter;
}

QString categoryAddress(const categories::TreeNode& node, const SectionFacts& section) {
    if (section.section == Section::Textos && node.code == kAuthorsCode) {
        return u"/autores"_s;
    }
    return u"/resultado?categoria="_s +
           QString::fromLatin1(QUrl::toPercentEncoding(node.code.toString()));
}

const categories::SectionCategories& categoriesOf(Section section) {
    for (const auto& categories : categories::kSectionCategories) {
        if (categories.section == section) {
            return categories;
        }
    }
    return categories::kSectionCategories.front();
}

// Nodes [first, end) of one level and below, as nested lists; a node with
// children opens and closes.
std::size_t writeTree(HtmlWriter& w, std::span<const categories::TreeNode> nodes, std::size_t first,
                      const SectionFacts& section) {
    const int level = nodes[first].level;
    std::size_t i = first;
    w.open("ul"_L1, {{"class"_L1, first == 0 ? u"arvore"_s : QString()}});
    while (i < nodes.size() && nodes[i].level >= level) {
        const categories::TreeNode& node = nodes[i];
        const bool hasChildren = i + 1 < nodes.size() && nodes[i + 1].level > level;
        const bool isHeading = node.code == categories::kHeading;
        w.open("li"_L1);
        if (hasChildren) {
            w.open("details"_L1);
            w.open("summary"_L1);
        }
        if (isHeading) {
            w.text(node.caption.trimmed());
        } else {
            w.element("a"_L1, node.caption.trimmed(),
                      {{"href"_L1, categoryAddress(node, section)}});
        }
        if (hasChildren) {
            w.close("summary"_L1);
            i = writeTree(w, nodes, i + 1, section);
            w.close("details"_L1);
        } else {
            ++i;
        }
        w.close("li"_L1);
    }
    w.close("ul"_L1);
    return i;
}

}  // namespace

Reply startPage(const Site& site) {
    SiteFrame frame(u"Início"_s);
    HtmlWriter& w = frame.writer();
    w.element("h1"_L1, u"Corvanel");
    const QString edition = site.edition.isEmpty() ? kOwnEdition.toString() : site.edition;
    w.element("p"_L1, edition + u" · " + kVersionCaption);
    w.element("p"_L1, u"Total de Doc.: "_s + QString::number(site.documentCount));
    w.element("h2"_L1, u"Seções");
    w.open("ul"_L1, {{"class"_L1, u"secoes"_s}});
    for (std::size_t i = 0; i < kSectionCount; ++i) {
        const SectionFacts& section = kSections[i];
        w.open("li"_L1);
        w.element("a"_L1, section.name, {{"href"_L1, sectionAddress(section)}});
        w.element("span"_L1, u" — Doc. Cadastrados: "_s + QString::number(site.sectionTotals[i]));
        w.close("li"_L1);
    }
    w.close("ul"_L1);
    w.open("p"_L1);
    w.element("a"_L1, u"Listar Lumbra", {{"href"_L1, u"/resultado?lista=geral"_s}});
    w.text(u" · ");
    w.element("a"_L1, u"Textos por autor", {{"href"_L1, u"/autores"_s}});
    w.close("p"_L1);
    return frame.reply();
}

Reply sectionPage(const Site& site, QStringView letter) {
    std::size_t index = 0;
    while (index < kSectionCount && kSections[index].letter != letter) {
        ++index;
    }
    if (index == kSectionCount) {
        return errorPage(404, u"Não há seção com este endereço."_s);
    }
    const SectionFacts& section = kSections[index];
    const categories::SectionCategories& categories = categoriesOf(section.section);
    SiteFrame frame(section.name.toString());
    HtmlWriter& w = frame.writer();
    w.element("h1"_L1, section.name);
    w.element("p"_L1, u"Doc. Cadastrados: "_s + QString::number(site.sectionTotals[index]));
    openSearchForm(w, u"busca"_s);
    w.empty("input"_L1, {{"type"_L1, u"hidden"_s},
                         {"name"_L1, u"secao"_s},
                         {"value"_L1, section.letter.toString()}});
    w.element("label"_L1, u"Buscar por", {{"for"_L1, u"palavras"_s}});
    w.empty("input"_L1, {{"type"_L1, u"search"_s}, {"id"_L1, u"palavras"_s}, {"name"_L1, u"q"_s}});
    w.element("label"_L1, u"onde", {{"for"_L1, u"onde"_s}});
    w.open("select"_L1, {{"id"_L1, u"onde"_s}, {"name"_L1, u"onde"_s}});
    for (const categories::FilterItem& item : categories.filter) {
        w.element("option"_L1, item.caption.trimmed(), {{"value"_L1, item.code.toString()}});
    }
    w.close("select"_L1);
    w.element("button"_L1, u"Buscar", {{"type"_L1, u"submit"_s}});
    writeFoldedChoices(w, {});
    w.close("form"_L1);
    w.open("p"_L1);
    w.element("a"_L1, u"Listar lumbra da seção",
              {{"href"_L1, u"/resultado?secao="_s + section.letter}});
    w.close("p"_L1);
    w.element("h2"_L1, u"Buscar no Diretório");
    if (!categories.tree.empty()) {
        writeTree(w, categories.tree, 0, section);
    }
    return frame.reply();
}

}  // namespace corvanel::web
