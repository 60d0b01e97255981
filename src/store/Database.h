#pragma once

#include "CardLabels.h"
#include "FoldedRows.h"
#include "ListedDocument.h"
#include "RelevanceCounter.h"
#include "Sqlite.h"
#include "TitleOrder.h"
#include "WordMatching.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace corvanel {

class KeywordMatcher;
struct ConnectionSettings;

// Where a key-word search looks.
struct SearchScope {
    enum class Kind {
        AllSections,
        Section,      // filter: the section letter, compared exactly
        Subcategory,  // filter: a code found anywhere among the card's categories
    };
    Kind kind = Kind::AllSections;
    QString filter;

    static SearchScope allSections() { return {}; }
    static SearchScope section(QString letter) { return {Kind::Section, std::move(letter)}; }
    static SearchScope subcategory(QString code) { return {Kind::Subcategory, std::move(code)}; }

    bool operator==(const SearchScope&) const = default;
};

// The collection's database file and the operations the windows run on it.
// Search words are found as they are written, as one phrase, anywhere in the
// title, key words, sub-title or text, ignoring letter case and accents and
// reading every run of blanks (the tab and every Unicode space separator,
// no-break spaces included) and line breaks as one blank ('%' and '_' are
// plain characters), or, when asked, as whole words only (WordMatching); codes are matched as LIKE
// between '%' wildcards would. Words beyond kLongestSearchWords (SearchWords.h) are not looked at.
// Titles are listed in Portuguese order. Failures raise DatabaseError with
// the engine's message.
//
// A collection built with its search index (SearchIndex) is searched there;
// one built without it is read into memory in the background instead.
//
// The database holds no result: narrowing is given the documents to look
// among, so any number of front ends share one file and one connection
// answers any chain.
class Database {
public:
    using DocumentHandler = std::function<void(const ListedDocument&)>;
    using AuthorHandler = std::function<void(const QString&)>;
    using MessagePump = std::function<void()>;

    // Opens the file named by the connection string's Data Source, read-only,
    // checking that it is a collection (its schema is what the builder
    // writes) and its password. The file is never created nor written.
    explicit Database(const QString& connectionString);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // Counts run pump once when done.
    int countDocuments(const MessagePump& pump = {});
    int countSection(const QString& letter, const MessagePump& pump = {});

    // Empty when CONTROLE has no row for it. The file is never written: a
    // folder the user picks goes to the user's settings.
    QString contentRoot();
    // The collection's edition line, as its builder stored it; empty when it
    // names none.
    QString edition();

    // Listings call handler for every row, in title order unless said
    // otherwise, and return the number of rows.
    int listCategory(const QString& category, const DocumentHandler& handler);
    int listCollection(const DocumentHandler& handler);
    int searchWords(const QString& words, const SearchScope& scope, const DocumentHandler& handler,
                    WordMatching matching = WordMatching::Anywhere);
    // Every text row of the documents (codes) that the words match, once.
    int narrowWords(const QString& words, const QSet<std::int64_t>& documents,
                    const DocumentHandler& handler, WordMatching matching = WordMatching::Anywhere);
    // The cards of these text rows (code, text row), in this order; a row
    // whose card is gone is left out.
    int listRows(std::span<const ResultRow> rows, const DocumentHandler& handler);
    // The distinct sub-titles of section "A", its authors.
    int listAuthors(const AuthorHandler& handler);

    // A text row's title, key words, sub-title and whole text, as searched;
    // all empty when there is no such row.
    struct TextRowFields {
        QString title;
        QString keyWords;
        QString subtitle;
        QString text;
    };
    TextRowFields textRowFields(std::int64_t textRow);

    // The searchable text of each of these text rows, folded as searches
    // fold it (SearchIndex::readFoldedRows), in their order.
    void readFoldedRows(std::span<const std::int64_t> rows,
                        const SearchIndex::FoldedRowVisitor& visit);

    // What ordering by relevance weighs of these folded words, counted from
    // the word index; nothing when the collection has none or it does not
    // answer one of the words (then the rows are read).
    std::optional<RelevanceCounts> relevanceCounts(const std::vector<std::string>& foldedWords,
                                                   WordMatching matching);

    // The first characters of a text row's text.
    QString documentTextStart(std::int64_t textRow, int characters);
    // The same for many text rows in one statement, in their order; a row
    // that does not exist gives an empty text.
    std::vector<QString> documentTextStarts(const std::vector<std::int64_t>& textRows,
                                            int characters);

    // Starts getting the key-word engine ready in the background (the first
    // search waits for it, or does the work itself); nothing to do when the
    // collection holds its search index.
    void startIndexingTexts();
    bool hasSearchIndex() const { return hasSearchIndex_; }
    // The index and its short strings' part: an index written before that
    // part finds words of one or two characters by reading every text.
    bool hasCompleteSearchIndex() const { return hasCompleteSearchIndex_; }
    // Whether the index was folded by this version's rules: one folded by
    // an earlier version misses the texts that part words by no-break or
    // other Unicode spaces, until reindexed.
    bool hasCurrentFolding() const { return hasCurrentFolding_; }

    bool isReadOnly() const;
    const QString& filePath() const { return filePath_; }

private:
    explicit Database(const ConnectionSettings& settings);
    void checkCollection(const QString& password);
    void defineFunctions();
    void createScratchTables();
    void chooseKeywordEngine();
    int listMatches(const QString& words, WordMatching matching, std::string_view filter,
                    const std::function<void(sqlite::Statement&)>& bindFilter,
                    const DocumentHandler& handler, const QSet<std::int64_t>* documents = nullptr);
    int listDocuments(sqlite::Statement& statement, const DocumentHandler& handler,
                      const QSet<std::int64_t>* documents = nullptr);
    int listFromLabels(const std::vector<TitleOrder::Placed>& rows, std::string_view filter,
                       const std::function<void(sqlite::Statement&)>& bindFilter,
                       const DocumentHandler& handler,
                       const QSet<std::int64_t>* documents = nullptr);
    int count(sqlite::Statement& statement, const MessagePump& pump);

    QString filePath_;
    sqlite::Connection connection_;
    // What sizes anything by row numbers is bounded by it (SearchIndex).
    std::int64_t lastTextRow_ = 0;
    bool hasSearchIndex_ = false;
    bool hasCompleteSearchIndex_ = false;
    bool hasCurrentFolding_ = true;
    // Asks the connection, so is declared after it and goes first.
    std::unique_ptr<KeywordMatcher> matcher_;
    TitleOrder titleOrder_;
    CardLabels labels_;
    // Kept prepared: a listing reads it once for every court decision.
    std::optional<sqlite::Statement> textStart_;
};

}  // namespace corvanel
