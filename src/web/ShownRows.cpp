#include "ShownRows.h"

#include "DatabaseError.h"
#include "Sections.h"

#include <QHash>

namespace corvanel::web {

namespace {

// A decision's start: five lines of the desktop's list hold no more.
constexpr int kDecisionCharacters = 400;

}  // namespace

ShownPassage ShownPassage::of(const Passage& passage) {
    ShownPassage shown{passage.shown(), {}, passage.place != Passage::Place::Text};
    if (!shown.note) {
        // shown() puts "… " before a text cut at its start.
        const qsizetype shift = shown.text.size() - passage.text.size() -
                                (passage.cutAfter ? QStringView(u" …").size() : 0);
        shown.marks.reserve(passage.marks.size());
        for (const Passage::Mark& mark : passage.marks) {
            shown.marks.append({mark.start + shift, mark.length});
        }
    }
    return shown;
}

std::vector<ShownRow> shownRows(Database& database, const SearchResult& result, int first,
                                int count) {
    const auto size = static_cast<int>(result.rows.size());
    first = std::clamp(first, 0, size);
    const std::span<const ResultRow> page(result.rows.data() + first,
                                          static_cast<std::size_t>(std::min(count, size - first)));
    QHash<std::int64_t, ListedDocument> cards;
    listRows(database, page,
             [&cards](const ListedDocument& card) { cards.insert(card.textRow, card); });
    std::vector<ShownRow> shown;
    std::vector<std::int64_t> decisionRows;
    for (std::size_t i = 0; i < page.size(); ++i) {
        const auto card = cards.constFind(page[i].textRow);
        const SectionFacts* section = card == cards.cend() ? nullptr : sectionOfCard(card->section);
        if (section == nullptr) {
            continue;
        }
        ShownRow line;
        line.number = first + static_cast<int>(i) + 1;
        if (result.labelled) {
            line.labelLine = section->labelLine.toString();
        }
        line.title = card->title;
        line.detail = card->subtitle;
        line.code = card->code;
        line.sectionName = section->name.toString();
        line.textRow = page[i].textRow;
        if (!result.documentRowCounts.empty()) {
            line.documentRows = result.documentRowCounts[static_cast<std::size_t>(first) + i];
        }
        if (section->listsTextStart && card->section == section->cardLetter) {
            line.decision = true;
            decisionRows.push_back(card->textRow);
        }
        shown.push_back(std::move(line));
    }
    if (!decisionRows.empty()) {
        const std::vector<QString> starts =
            database.documentTextStarts(decisionRows, kDecisionCharacters);
        auto start = starts.begin();
        for (ShownRow& line : shown) {
            if (line.decision) {
                line.detail = (start++)->simplified();
            }
        }
    }
    return shown;
}

void addPassages(Database& database, std::vector<ShownRow>& rows, const QStringList& words,
                 WordMatching matching) {
    for (ShownRow& row : rows) {
        try {
            row.passage =
                ShownPassage::of(passageOf(database.textRowFields(row.textRow), words, matching));
        } catch (const DatabaseError&) {
            row.passage = {};
        }
    }
}

}  // namespace corvanel::web
