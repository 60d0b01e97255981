#include "CategoryTables.h"
#include "CollectionCheck.h"
#include "CollectionGenerator.h"
#include "ConnectionString.h"
#include "ContentFiles.h"
#include "Database.h"
#include "ResultArrangement.h"
#include "SampledText.h"
#include "SearchIndex.h"
#include "SearchResult.h"
#include "Sqlite.h"
#include "TestFiles.h"
#include "TextMatching.h"
#include "WordIndex.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace corvanel::bench {
namespace {

// The benchmarks' collection, small: a few hundred documents in a temporary folder.
class GeneratedCollection : public ::testing::Test {
protected:
    void generate(const GeneratorOptions& options) {
        ASSERT_TRUE(folder_.isValid());
        generateCollection(databasePath(), folder_.path() + u'/', options);
    }
    static GeneratorOptions small(int documents) {
        GeneratorOptions options;
        options.documents = documents;
        options.seed = 7;
        return options;
    }
    QString databasePath() const { return folder_.filePath(QStringLiteral("db3.mdb")); }

    QTemporaryDir folder_;
};

TEST_F(GeneratedCollection, PassesTheCollectionCheckWithAValidPageForEveryDocument) {
    generate(small(300));
    const collection::CheckReport report = collection::checkCollection(folder_.path());
    EXPECT_EQ(report.problems, QStringList()) << report.problems.join(u'\n').toStdString();
    EXPECT_EQ(report.cards, 300);
    // Every document's page and the fixed pages (the marker is no page).
    EXPECT_EQ(report.pagesRead, 300 + static_cast<int>(ContentFiles::fixedFiles().size()) - 1);

    sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
    sqlite::Statement cards(db,
                            "select L.cod, L.titulo, L.subtitulo, T.conteudo from LABELS L "
                            "join TEXTOS T on T.cod_texto = L.cod where L.cod in (1, 150, 300)");
    int read = 0;
    while (cards.step()) {
        const QByteArray bytes = collection::testfiles::readFile(
            folder_.filePath(QStringLiteral("textos/%1.htm").arg(cards.int64(0))));
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString page = utf8(bytes);
        ASSERT_FALSE(utf8.hasError()) << cards.int64(0);
        EXPECT_TRUE(page.startsWith(u"<!DOCTYPE html>"));
        EXPECT_TRUE(page.contains(u"<meta charset=\"utf-8\">"));
        EXPECT_TRUE(page.contains(u"<h1>" + cards.text(1).toHtmlEscaped() + u"</h1>"));
        EXPECT_TRUE(page.contains(cards.text(2).toHtmlEscaped()));
        // The text's first paragraph, whole.
        const QString firstParagraph = cards.text(3).section(u'\n', 0, 0);
        EXPECT_TRUE(page.contains(u"<p>" + firstParagraph.toHtmlEscaped() + u"</p>"))
            << cards.int64(0);
        ++read;
    }
    EXPECT_GE(read, 3);
}

// Whole words and relevance as the word index answers them agree with a
// reading of the texts: the same collection, its search index dropped, is
// read instead.
TEST_F(GeneratedCollection, TheWordIndexFindsWholeWordsAndRanksAsAReadingOfTheTexts) {
    generate(small(300));
    const QString readPath = folder_.filePath(QStringLiteral("read/db3.mdb"));
    ASSERT_TRUE(QDir(folder_.path()).mkdir(QStringLiteral("read")));
    ASSERT_TRUE(QFile::copy(databasePath(), readPath));
    {
        sqlite::Connection db(readPath, sqlite::OpenMode::ReadWrite);
        SearchIndex::drop(db);
    }
    Database indexed(connectionStringForFile(databasePath()));
    Database read(connectionStringForFile(readPath));
    ASSERT_TRUE(indexed.hasSearchIndex());
    ASSERT_FALSE(read.hasSearchIndex());

    QStringList words{words::kCommon.toString(),     words::kRare.toString(),
                      words::kTwoLetters.toString(), QStringLiteral("de"),
                      QStringLiteral("que"),  // in titles and in key words
                      QStringLiteral("art. 1")};
    {
        sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
        sqlite::Statement terms(db, "select term from SEARCH_TERMS");
        for (int term = 0; terms.step(); ++term) {
            if (term % 997 == 0) {
                words.push_back(terms.text(0));
            }
        }
        // Words of some titles that are key words of other cards: both
        // come before the rest, titles first.
        std::set<QString> titleWords;
        std::set<QString> keyWords;
        sqlite::Statement cards(db, "select titulo, pchave from LABELS");
        while (cards.step()) {
            for (const QString& w : cards.text(0).split(u' ', Qt::SkipEmptyParts)) {
                titleWords.insert(w.toLower());
            }
            for (const QString& w : cards.text(1).split(u' ', Qt::SkipEmptyParts)) {
                keyWords.insert(w.toLower());
            }
        }
        std::vector<QString> both;
        std::set_intersection(titleWords.begin(), titleWords.end(), keyWords.begin(),
                              keyWords.end(), std::back_inserter(both));
        ASSERT_GE(both.size(), 3U);
        words.append({both[0], both[both.size() / 2], both.back()});
    }
    int counted = 0;
    int reordered = 0;
    for (const WordMatching matching : {WordMatching::Anywhere, WordMatching::WholeWords}) {
        for (const QString& word : words) {
            const WordSearch search{word, SearchScope::allSections(), true,
                                    matching == WordMatching::WholeWords};
            const SearchResult found = evaluate(indexed, search);
            ASSERT_EQ(found.rows, evaluate(read, search).rows) << word.toStdString();
            const SearchResult ordered = orderedByRelevance(indexed, found, {word}, matching);
            EXPECT_EQ(ordered.rows, orderedByRelevance(read, found, {word}, matching).rows)
                << word.toStdString();
            counted +=
                indexed.relevanceCounts({searchFolded(word.toStdString())}, matching) ? 1 : 0;
            reordered += ordered.rows != found.rows ? 1 : 0;
        }
    }
    // Most words were counted by the index, and the orders were no title order.
    EXPECT_GT(counted, words.size());
    EXPECT_GT(reordered, words.size() / 2);
}

TEST_F(GeneratedCollection, CardsCarryOnlyListedCodesInTheSectionsShares) {
    generate(small(300));
    const QStringList listed = categories::listedCategoryCodes();
    std::map<QString, int> sections;
    QStringList codesUsed;
    sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
    sqlite::Statement cards(db, "select sessao, categoria from LABELS");
    while (cards.step()) {
        ++sections[cards.text(0)];
        const QStringList codes = categories::categoryCodesOf(cards.text(1));
        ASSERT_FALSE(codes.isEmpty());
        EXPECT_EQ(codes.first().front(), cards.text(0).front()) << "the section's own code first";
        for (const QString& code : codes) {
            EXPECT_TRUE(listed.contains(code)) << code.toStdString();
            codesUsed << code;
        }
    }
    EXPECT_EQ(sections.size(), 6U);
    EXPECT_GT(sections[QStringLiteral("A")], sections[QStringLiteral("B")]);
    EXPECT_GT(sections[QStringLiteral("B")], sections[QStringLiteral("H")]);
    EXPECT_FALSE(codesUsed.filter(QStringLiteral("F")).isEmpty()) << "life cycles too";
    codesUsed.removeDuplicates();
    EXPECT_GT(codesUsed.size(), listed.size() / 2);
}

TEST_F(GeneratedCollection, TheWordsTheBenchmarksSearchForAreWhereTheySay) {
    generate(small(300));
    sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
    sqlite::Statement all(db, "select count(*) from TITLE_ORDER");
    ASSERT_TRUE(all.step());
    const auto textRows = static_cast<size_t>(all.int64(0));
    const auto rowsWith = [&](QStringView word) {
        return SearchIndex::matchingTextRows(db, searchFolded(word.toUtf8().toStdString())).size();
    };
    EXPECT_EQ(rowsWith(words::kRare), static_cast<size_t>(words::kRareDocuments));
    EXPECT_GT(rowsWith(words::kCommon), textRows / 2);
    EXPECT_GT(rowsWith(words::kTwoLetters), textRows / 2);
    EXPECT_LT(rowsWith(words::kCommon), textRows);
}

// Every engine of the index against a plain scan of each folded field:
// pieces of the texts at random, as a reader types them, and words that
// look alike to the word index but not to the texts.
TEST_F(GeneratedCollection, TheIndexFindsWhatAPlainScanFindsForPiecesOfTheTexts) {
    generate(small(300));
    std::vector<std::string> queries = sampledText(databasePath(), 150, 3, 30, 11);
    ASSERT_EQ(queries.size(), 150u);
    for (const char* awkward : {"crianca",
                                "criancas",
                                "crianc",
                                "rianca",
                                "conselho tutelar",
                                "do conselho",
                                "ar do con",
                                "conselho  tutelar",
                                "conselho, tutelar",
                                "tutelar conselho",
                                "xilogravura",
                                "xilogravuras",
                                "direito da crianca e do adolescente",
                                "estatuto da",
                                "da crianca",
                                "criança e",
                                " crianca",
                                "crianca ",
                                "ção",
                                "2024",
                                "art 1",
                                "art. 1",
                                "zzzq"}) {
        queries.emplace_back(awkward);
    }
    sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadOnly);
    sqlite::Statement rows(db,
                           "select T.rowid, L.titulo, L.pchave, L.subtitulo, T.conteudo from "
                           "TEXTOS T, LABELS L where L.cod = T.cod_texto order by T.rowid");
    std::vector<std::pair<std::int64_t, std::vector<std::string>>> fields;
    while (rows.step()) {
        std::vector<std::string> folded;
        for (int field = 1; field <= 4; ++field) {
            folded.push_back(searchFolded(rows.utf8(field)));
        }
        fields.emplace_back(rows.int64(0), std::move(folded));
    }
    const WordIndex words(db);
    int byWords = 0;
    int found = 0;
    for (const std::string& query : queries) {
        const std::string wanted = searchFolded(query);
        std::vector<std::int64_t> expected;
        for (const auto& [row, folded] : fields) {
            if (std::any_of(folded.begin(), folded.end(), [&](const std::string& field) {
                    return field.find(wanted) != std::string::npos;
                })) {
                expected.push_back(row);
            }
        }
        EXPECT_EQ(SearchIndex::matchingTextRows(db, wanted), expected) << query;
        byWords += words.matchingTextRows(db, wanted).has_value() ? 1 : 0;
        found += expected.empty() ? 0 : 1;
    }
    // Both the word index and the trigrams answered, and most pieces are found.
    EXPECT_GT(byWords, 20);
    EXPECT_LT(byWords, static_cast<int>(queries.size()) - 20);
    EXPECT_GT(found, 150);
}

TEST_F(GeneratedCollection, WithoutPagesOnlyTheDocumentsPagesAreReportedMissing) {
    GeneratorOptions options = small(20);
    options.writePages = false;
    generate(options);
    const collection::CheckReport report = collection::checkCollection(folder_.path());
    EXPECT_EQ(report.problems.size(), 20);
    EXPECT_EQ(report.problems.filter(QStringLiteral(": falta a página textos/")).size(), 20)
        << report.problems.join(u'\n').toStdString();
}

}  // namespace
}  // namespace corvanel::bench
