#include "ListFiller.h"

#include "Collection.h"
#include "Database.h"
#include "DatabaseError.h"
#include "ResultLines.h"
#include "Sections.h"
#include "TextLineBreaker.h"

namespace corvanel {

namespace {

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

// A row of any other section keeps its number but shows nothing.
void ListFiller::add(const ListedDocument& row, int documentRows) {
    ++number_;
    const SectionFacts* section = sectionOfCard(row.section);
    if (section == nullptr) {
        return;
    }
    const QString label = underLabels_ ? section->labelLine.toString() : QString();
    lines_.beginBlock(row.textRow);
    if (section->listsTextStart && row.section == section->cardLetter) {
        addDecisionBlock(row, label, documentRows);
    } else {
        addStandardBlock(row, label, documentRows);
    }
}

void ListFiller::addRowCount(int documentRows, const QString& code) {
    if (documentRows > 0) {
        lines_.add(documentRows == 1 ? QStringLiteral("1 trecho")
                                     : QStringLiteral("%1 trechos").arg(documentRows),
                   code);
    }
}

void ListFiller::addStandardBlock(const ListedDocument& row, const QString& label,
                                  int documentRows) {
    const QString& code = row.code;
    if (!label.isEmpty()) {
        lines_.add(label, code, ResultLines::Kind::SectionLabel);
    }
    lines_.add(numbered(number_, row.title), code);
    lines_.add(row.subtitle, code);
    addRowCount(documentRows, code);
    lines_.addSeparator();
}

std::vector<QStringList> DecisionTextLines::linesOf(const std::vector<std::int64_t>& textRows,
                                                    int count) {
    Database& database = collection_.database();
    std::vector<QString> texts;
    try {
        texts = database.documentTextStarts(textRows, kDecisionTextRead);
    } catch (const DatabaseError&) {
        // An unreadable text: those before it are read one by one, and it
        // fails when it comes first.
        texts.clear();
        for (const std::int64_t row : textRows) {
            try {
                texts.push_back(database.documentTextStart(row, kDecisionTextRead));
            } catch (const DatabaseError&) {
                if (texts.empty()) {
                    throw;
                }
                break;
            }
        }
    }
    return breaker_.firstLinesOfEach(texts, count);
}

// The text's lines are read when they are first shown.
void ListFiller::addDecisionBlock(const ListedDocument& row, const QString& label,
                                  int documentRows) {
    const QString& code = row.code;
    if (!label.isEmpty()) {
        lines_.add(label, code, ResultLines::Kind::SectionLabel);
    }
    lines_.addDecisionLines(row.textRow, QString::number(number_) + u" - ", kDecisionTextLines,
                            code);
    addRowCount(documentRows, code);
    lines_.add(kDecisionClosing.toString(), code);
    lines_.addSeparator();
}

void ListFiller::addAuthors(const QStringList& authors) {
    for (const QString& author : authors) {
        lines_.add(numbered(++number_, author), author);
        lines_.add(ResultLines::kSeparator.toString(), author);
    }
}

}  // namespace corvanel
