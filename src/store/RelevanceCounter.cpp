#include "RelevanceCounter.h"

#include "DatabaseError.h"
#include "Sqlite.h"
#include "TextMatching.h"
#include "WordIndex.h"

namespace corvanel {

namespace {

constexpr const char* kCountFunction = "corvanel_relevance_counts";

// A short word is held by thousands of terms: counting each term's rows
// still costs far less than reading every text.
constexpr size_t kMostCountedTerms = 8192;

// The engine's variable-length integer, as FTS5 keeps a row's token count.
std::uint64_t varint(std::string_view bytes) {
    std::uint64_t value = 0;
    for (size_t at = 0; at < bytes.size() && at < 9; ++at) {
        const auto byte = static_cast<unsigned char>(bytes[at]);
        if (at == 8) {
            return (value << 8) | byte;
        }
        value = (value << 7) | (byte & 0x7F);
        if ((byte & 0x80) == 0) {
            break;
        }
    }
    return value;
}

// Sets the counting target for the length of one count.
class Counting {
public:
    Counting(RelevanceCounts*& target, RelevanceCounts& counts) : target_(target) {
        target_ = &counts;
    }
    ~Counting() { target_ = nullptr; }
    Counting(const Counting&) = delete;
    Counting& operator=(const Counting&) = delete;

private:
    RelevanceCounts*& target_;
};

}  // namespace

RelevanceCounter::RelevanceCounter(sqlite::Connection& connection, std::int64_t lastTextRow)
    : connection_(connection), lastTextRow_(lastTextRow) {
    connection_.defineQueryFunction(kCountFunction, [this](const sqlite::Fts5Query& query) {
        if (counting_ != nullptr) {
            count(query);
        }
    });
}

// Each row's token count, as FTS5 keeps it beside the index (one varint
// per column): read once in one pass, where asking the engine row by row
// would look each up.
void RelevanceCounter::readRowWords() {
    rowWords_.assign(static_cast<size_t>(lastTextRow_) + 1, 0);
    sqlite::Statement sizes(connection_, "select id, sz from SEARCH_WORDS_docsize");
    while (sizes.step()) {
        const std::int64_t row = sizes.int64(0);
        if (row >= 0 && row <= lastTextRow_) {
            const QByteArray size = sizes.blob(1);
            rowWords_[static_cast<size_t>(row)] = static_cast<std::uint32_t>(
                varint(std::string_view(size.constData(), static_cast<size_t>(size.size()))));
        }
    }
}

void RelevanceCounter::countFieldWords(const sqlite::Fts5Query& query) {
    titleWords_.assign(static_cast<size_t>(lastTextRow_) + 1, 0);
    keyWordWords_.assign(static_cast<size_t>(lastTextRow_) + 1, 0);
    sqlite::Statement fields(connection_,
                             "select T.rowid, L.titulo, L.pchave from TEXTOS T, LABELS L "
                             "where L.cod = T.cod_texto");
    std::string folded;
    while (fields.step()) {
        const std::int64_t row = fields.int64(0);
        if (row < 0 || row > lastTextRow_) {
            continue;
        }
        folded = searchFolded(fields.utf8(1));
        titleWords_[static_cast<size_t>(row)] =
            static_cast<std::uint32_t>(query.tokenCount(folded));
        folded = searchFolded(fields.utf8(2));
        keyWordWords_[static_cast<size_t>(row)] =
            static_cast<std::uint32_t>(query.tokenCount(folded));
    }
}

void RelevanceCounter::count(const sqlite::Fts5Query& query) {
    if (titleWords_.empty()) {
        countFieldWords(query);
    }
    RelevanceCounts& counts = *counting_;
    for (int phrase = 0; phrase < query.phraseCount(); ++phrase) {
        const std::uint32_t weight = phraseWeights_.at(static_cast<size_t>(phrase));
        query.forEachRowOf(phrase, [&](const sqlite::Fts5Row& row) {
            const std::int64_t id = row.rowid();
            if (id < 0 || id > lastTextRow_) {
                return;  // no text's
            }
            const auto at = static_cast<size_t>(id);
            const int matches = row.matchCount();
            counts.matches[at] += static_cast<std::uint32_t>(matches) * weight;
            // Matches come in token order: the title's and key words' first.
            const std::uint32_t titleEnd = titleWords_[at];
            const std::uint32_t keyWordsEnd = titleEnd + keyWordWords_[at];
            for (int match = 0; match < matches; ++match) {
                const auto offset = static_cast<std::uint32_t>(row.matchOffset(match));
                if (offset >= keyWordsEnd) {
                    break;
                }
                if (offset < titleEnd) {
                    counts.inTitle[at] = true;
                } else {
                    counts.inKeyWords[at] = true;
                }
            }
        });
    }
}

std::optional<RelevanceCounts> RelevanceCounter::counts(const WordIndex& index,
                                                        const std::vector<std::string>& foldedWords,
                                                        WordMatching matching) {
    std::vector<std::vector<WordIndex::TermMatches>> termsOfWords;
    for (const std::string& word : foldedWords) {
        auto terms = index.termsHolding(word, matching, kMostCountedTerms);
        if (!terms) {
            return std::nullopt;
        }
        termsOfWords.push_back(std::move(*terms));
    }
    if (rowWords_.empty()) {
        readRowWords();
    }
    RelevanceCounts counts;
    const size_t rows = rowWords_.size();
    counts.matches.assign(rows, 0);
    counts.words = rowWords_;
    counts.inTitle.assign(rows, false);
    counts.inKeyWords.assign(rows, false);
    // The function runs once, on the first row, and counts every row of
    // each term from there.
    if (!query_) {
        query_.emplace(connection_, std::string("select ") + kCountFunction +
                                        "(SEARCH_WORDS) from SEARCH_WORDS where "
                                        "SEARCH_WORDS match ? limit 1");
    }
    sqlite::Statement& query = *query_;
    const Counting counting(counting_, counts);
    for (const std::vector<WordIndex::TermMatches>& terms : termsOfWords) {
        if (terms.empty()) {
            continue;
        }
        phraseWeights_.clear();
        for (const WordIndex::TermMatches& term : terms) {
            phraseWeights_.push_back(term.times);
        }
        query.reset();
        query.bindUtf8(1, WordIndex::anyOf(terms));
        while (query.step()) {
        }
    }
    return counts;
}

}  // namespace corvanel
