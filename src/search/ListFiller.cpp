#include "ListFiller.h"

#include "Database.h"
#include "DisplayLineBreaker.h"
#include "ResultLines.h"
#include "SectionLabels.h"
#include "Statements.h"

namespace corvanel {

namespace {

using SectionLabels::kDecisionLabel;
using SectionLabels::kDecisionSection;
using SectionLabels::kStandardSections;

// Court decisions show the first lines of their text instead.
constexpr int kDecisionTextLines = 5;
// Five lines of the list never hold more: decisions run to hundreds of
// kilobytes, and only their start is read.
constexpr int kDecisionTextRead = 4000;
constexpr QStringView kDecisionClosing = u"Clique para visualizar";

QString numbered(int number, const QString& text) {
    return QString::number(number) + u" - " + text;
}

}  // namespace

int ListFiller::fill(const QString& statement, std::optional<int> markLevel) {
    QStringList codes;
    int number = 0;
    database_.list(statement, [&](const Row& row) {
        ++number;
        if (markLevel) {
            codes << row.field(u"cod");
        }
        addBlock(row, number, markLevel.has_value());
    });
    if (markLevel) {
        database_.executeForEach(Statements::addMark(QStringLiteral("?1"), *markLevel), codes);
    }
    return number;
}

// A row of any other section keeps its number and its mark but shows nothing.
void ListFiller::addBlock(const Row& row, int number, bool labelled) {
    const QString section = row.field(u"sessao");
    for (const auto& [letter, label] : kStandardSections) {
        if (section == letter) {
            addStandardBlock(row, row.field(u"cod"), number,
                             labelled ? label.toString() : QString());
            return;
        }
    }
    if (section == kDecisionSection) {
        addDecisionBlock(row, row.field(u"cod"), number, labelled);
    }
}

void ListFiller::addStandardBlock(const Row& row, const QString& code, int number,
                                  const QString& label) {
    if (!label.isEmpty()) {
        lines_.add(label, code);
    }
    lines_.add(numbered(number, row.field(u"titulo")), code);
    lines_.add(row.field(u"subtitulo"), code);
    lines_.addSeparator();
}

void ListFiller::addDecisionBlock(const Row& row, const QString& code, int number,
                                  bool labelled) {
    const QString text =
        database_.readOneValue(Statements::documentTextStart(row.field(u"texto"), kDecisionTextRead),
                               u"conteudo");
    const QStringList textLines = breaker_.firstLines(text, kDecisionTextLines);
    if (labelled) {
        lines_.add(kDecisionLabel.toString(), code);
    }
    lines_.add(numbered(number, textLines.front()), code);
    for (qsizetype i = 1; i < textLines.size(); ++i) {
        lines_.add(textLines[i], code);
    }
    lines_.add(kDecisionClosing.toString(), code);
    lines_.addSeparator();
}

int ListFiller::fillAuthors(const QString& statement) {
    int number = 0;
    database_.list(statement, [&](const Row& row) {
        const QString author = row.field(u"autor");
        lines_.add(numbered(++number, author), author);
        lines_.add(ResultLines::kSeparator.toString(), author);
    });
    return number;
}

}  // namespace corvanel
