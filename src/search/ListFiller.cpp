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
// Enough for five lines of most texts; one whose lines need more of it is
// read again as far as above.
constexpr int kDecisionTextFirstRead = 1500;
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

// The start of each text, characters long; fewer when one cannot be read,
// and an error when the first cannot.
std::vector<QString> DecisionTextLines::textStarts(const std::vector<std::int64_t>& textRows,
                                                   int characters) {
    Database& database = collection_.database();
    try {
        return database.documentTextStarts(textRows, characters);
    } catch (const DatabaseError&) {
        // An unreadable text: those before it are read one by one, and it
        // fails when it comes first.
        std::vector<QString> texts;
        for (const std::int64_t row : textRows) {
            try {
                texts.push_back(database.documentTextStart(row, characters));
            } catch (const DatabaseError&) {
                if (texts.empty()) {
                    throw;
                }
                break;
            }
        }
        return texts;
    }
}

std::vector<QStringList> DecisionTextLines::linesOf(const std::vector<std::int64_t>& textRows,
                                                    int count) {
    const std::vector<QString> texts = textStarts(textRows, kDecisionTextFirstRead);
    std::vector<TextLineBreaker::FirstLines> broken = breaker_.firstLinesOfEach(texts, count);
    // Texts read in part whose lines reached the end of what was read.
    std::vector<std::int64_t> longer;
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].size() >= kDecisionTextFirstRead && broken[i].reach > texts[i].size()) {
            longer.push_back(textRows[i]);
            places.push_back(i);
        }
    }
    std::size_t known = broken.size();
    if (!longer.empty()) {
        std::vector<QString> whole;
        try {
            whole = textStarts(longer, kDecisionTextRead);
        } catch (const DatabaseError&) {
            if (places.front() == 0) {
                throw;
            }
        }
        const std::vector<TextLineBreaker::FirstLines> again =
            breaker_.firstLinesOfEach(whole, count);
        for (std::size_t k = 0; k < again.size(); ++k) {
            broken[places[k]] = again[k];
        }
        if (again.size() < places.size()) {
            known = places[again.size()];
        }
    }
    std::vector<QStringList> lines;
    lines.reserve(known);
    for (std::size_t i = 0; i < known; ++i) {
        lines.push_back(std::move(broken[i].lines));
    }
    return lines;
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
