#include "CategoryTreeRules.h"

#include "ContentAddress.h"

#include <array>

namespace corvanel::main_window {

namespace {

enum class Outcome { Nothing, List, OpenPage, OpenPageOfCode };

// One line of the rules; the first line of the tree whose code matches wins.
// An empty code matches any code.
struct Rule {
    TreeId tree;
    QStringView code;
    Outcome outcome;
    QStringView kindOrPage = {};
    QStringView sectionLetter = {};
};

constexpr QStringView kHeading = u"X";
constexpr QStringView kAny = {};

constexpr std::array kRules{
    Rule{TreeId::Textos, u"A01", Outcome::List, u"A01", u"A"},
    Rule{TreeId::Textos, kHeading, Outcome::Nothing},
    Rule{TreeId::Textos, kAny, Outcome::List, u"A", u"A"},
    Rule{TreeId::Legislacao, u"B16", Outcome::OpenPage, ContentAddress::kLegislationLinksPage},
    Rule{TreeId::Legislacao, kHeading, Outcome::Nothing},
    Rule{TreeId::Legislacao, kAny, Outcome::List, u"B", u"B"},
    Rule{TreeId::Julgados, kHeading, Outcome::Nothing},
    Rule{TreeId::Julgados, u"H01", Outcome::List, u"H", u"H"},
    Rule{TreeId::Julgados, kAny, Outcome::List, u"C", u"C"},
    Rule{TreeId::Experiencias, kHeading, Outcome::Nothing},
    Rule{TreeId::Experiencias, kAny, Outcome::List, u"D", u"D"},
    Rule{TreeId::Modelos, kHeading, Outcome::Nothing},
    Rule{TreeId::Modelos, kAny, Outcome::List, u"E", u"E"},
    Rule{TreeId::Ciclos, kHeading, Outcome::Nothing},
    Rule{TreeId::Ciclos, kAny, Outcome::List, u"F", u"F"},
    Rule{TreeId::Apresentacao, kHeading, Outcome::Nothing},
    Rule{TreeId::Apresentacao, kAny, Outcome::OpenPageOfCode},
};

TreeAction actionOf(const Rule& rule, QStringView code) {
    switch (rule.outcome) {
        case Outcome::Nothing:
            break;
        case Outcome::List:
            return CategoryListing{rule.kindOrPage.toString(), code.toString(),
                                   rule.sectionLetter.toString()};
        case Outcome::OpenPage:
            return PageToOpen{rule.kindOrPage.toString()};
        case Outcome::OpenPageOfCode:
            return PageToOpen{code.toString()};
    }
    return std::monostate{};
}

}  // namespace

QStringView treeCode(TreeId tree, int absoluteIndex) {
    const auto nodes = treeLayout(tree).nodes;
    if (absoluteIndex < 0 || static_cast<std::size_t>(absoluteIndex) >= nodes.size()) {
        return {};
    }
    return nodes[static_cast<std::size_t>(absoluteIndex)].code;
}

TreeAction treeDoubleClick(TreeId tree, int absoluteIndex) {
    const QStringView code = treeCode(tree, absoluteIndex);
    if (code.isEmpty()) {
        return std::monostate{};
    }
    for (const Rule& rule : kRules) {
        if (rule.tree == tree && (rule.code.isEmpty() || rule.code == code)) {
            return actionOf(rule, code);
        }
    }
    return std::monostate{};
}

}  // namespace corvanel::main_window
