#include "ChainEvaluation.h"

#include "Database.h"
#include "Sections.h"

namespace corvanel::web {

namespace {

// A decision's start: five lines of the desktop's list hold no more.
constexpr int kDecisionCharacters = 400;

std::vector<LevelMarks::ListedRow> marksOf(const std::vector<ListedDocument>& rows) {
    std::vector<LevelMarks::ListedRow> marks;
    marks.reserve(rows.size());
    for (const ListedDocument& row : rows) {
        marks.push_back({row.code.toLongLong(), row.textRow});
    }
    return marks;
}

}  // namespace

ChainResult evaluateChain(Database& database, const ResultChain& chain) {
    ChainResult result{{}, chain.labelled};
    const auto collect = [&result](const ListedDocument& row) { result.rows.push_back(row); };
    database.clearAllMarks();
    listDocuments(database, chain.request, collect);
    int level = 0;
    for (const QString& words : chain.narrowings) {
        ++level;
        database.markRows(marksOf(result.rows), level);
        result.rows.clear();
        database.narrowWords(words, level, collect);
    }
    return result;
}

std::vector<ShownRow> shownRows(Database& database, const ChainResult& result, int first,
                                int count) {
    std::vector<ShownRow> shown;
    std::vector<std::int64_t> decisionRows;
    const int end = std::min<int>(first + count, static_cast<int>(result.rows.size()));
    for (int i = std::max(first, 0); i < end; ++i) {
        const ListedDocument& row = result.rows[static_cast<std::size_t>(i)];
        const SectionFacts* section = sectionOfCard(row.section);
        if (section == nullptr) {
            continue;
        }
        ShownRow line{i + 1,     result.labelled ? section->labelLine.toString() : QString(),
                      row.title, row.subtitle,
                      row.code,  section->name.toString()};
        if (section->listsTextStart && row.section == section->cardLetter) {
            line.decision = true;
            decisionRows.push_back(row.textRow);
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

}  // namespace corvanel::web
