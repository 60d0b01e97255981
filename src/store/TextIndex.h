#pragma once

#include "KeywordMatcher.h"

#include <QString>

#include <atomic>
#include <cstdint>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanel {

// The searchable text of every listed document, folded once and held in
// memory: what a collection built without the search index searches (see
// SearchIndex), read in the background when the collection is opened.
//
// One entry per text row (TEXTOS) joined to its card (LABELS), as
// SearchIndex::appendRowText writes it. The collection's cards and texts are
// fixed while the program runs (it writes only marks and the content root),
// so the index never goes stale.
class TextIndex {
public:
    // Reads the collection in the database file at path through a read-only
    // connection of its own, so that it can run beside the program's. Gives
    // up, returning what it has, as soon as stop becomes true. Throws
    // DatabaseError.
    static TextIndex load(const QString& databasePath, const std::atomic<bool>& stop);

    // The text rows (TEXTOS rowids, ascending) whose text contains the words
    // folded for search (searchFolded). threads: 0 picks a number by the
    // size of the collection.
    std::vector<std::int64_t> matchingTextRows(const std::string& foldedWords,
                                               int threads = 0) const;

    size_t rowCount() const { return rowids_.size(); }
    // The folded text of a text row; none when the index does not hold it.
    std::optional<std::string_view> foldedRow(std::int64_t rowid) const;

private:
    void read(const QString& databasePath, const std::atomic<bool>& stop);
    void findText(const std::string& text, size_t first, size_t last,
                  std::vector<char>& matched) const;
    size_t rowStart(size_t row) const { return rowStarts_[row]; }
    size_t firstRowFrom(size_t byte) const;
    int threadsFor(int requested) const;

    // Every row's text followed by a '\0', which no search words hold.
    std::string folded_;
    std::vector<size_t> rowStarts_;  // one per row, then the end
    std::vector<std::int64_t> rowids_;
};

// Builds the text index in the background once asked to, and hands it out
// when it is ready; whoever needs it first waits for it, or builds it then.
class TextIndexLoader {
public:
    explicit TextIndexLoader(QString databasePath);
    ~TextIndexLoader();  // stops a load in progress and waits for it
    TextIndexLoader(const TextIndexLoader&) = delete;
    TextIndexLoader& operator=(const TextIndexLoader&) = delete;

    // Starts loading on a thread of its own; does nothing after the first time.
    void start();

    // The index, loaded now when it was not started. A failed load throws
    // DatabaseError and is tried again at the next call.
    const TextIndex& index();

private:
    QString databasePath_;
    std::atomic<bool> stop_{false};
    std::future<TextIndex> pending_;
    std::optional<TextIndex> index_;
};

// The key-word engine of a collection built without the search index.
class TextIndexMatcher final : public KeywordMatcher {
public:
    explicit TextIndexMatcher(QString databasePath);

    using KeywordMatcher::matchingTextRows;
    void prepareInBackground() override;
    std::vector<std::int64_t> matchingTextRows(const QString& words) override;
    void readFoldedRows(std::span<const std::int64_t> rows,
                        const SearchIndex::FoldedRowVisitor& visit) override;

private:
    TextIndexLoader loader_;
};

}  // namespace corvanel
