#include "Database.h"
#include "FoldedRows.h"
#include "SearchIndex.h"
#include "Sqlite.h"
#include "TestCollection.h"
#include "TextIndex.h"
#include "TextMatching.h"
#include "WordIndex.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::TestCard;
using testing::TestCollection;

QList<TestCard> cards() {
    return {
        card(1, q("Adoção e guarda"), q("ECA"), q("A"), q("A01"), q("adoção; guarda"),
             {q("A adoção é medida excepcional.\nTaxa de 1% ao mês"), q("Multa de 10% ao dia")}),
        card(2, q("Súmula 383"), q("STJ"), q("C"), q("C13"), q("competência"),
             {q("A competência do\nJuiz   de Direito\t\té do foro\r\ndo domicílio")}),
        card(3, q("D'água e poços"), q("Ministério"), q("B"), q("B07"), q("d'agua"),
             {q("Art. 8º, 2ª parte: obras d’água"), q("sublinhado_aqui e  fim ")}),
        card(4, q("Sem texto"), q("Autor"), q("D"), q("D01"), q("vazio"), {}),
        card(5, q("Lei nº 8.069"), q("Congresso"), q("E"), q("E01"), q(""), {q("o e a"), q("")}),
        card(6, q("Nulos"), q("Nulos"), q("H"), q("H01"), q("x"), {q("texto")}),
        card(7, q("ÁGUA"), q(""), q("B"), q("B01"), q("ab"), {q("b\n\na")}),
        // Blanks as texts copied from the web or a PDF hold them.
        card(8, q("Conselho\u00a0Tutelar"), q("ECA"), q("A"), q("A02"), q("conselho\u2009tutelar"),
             {q("Art.\u00a0227 e art.\u202f228;\u3000art.\u2009 229\tfim")}),
    };
}

// Words that find much, little or nothing: wildcards of LIKE that are plain
// characters here, phrases over line breaks and runs of blanks, apostrophes,
// ordinal indicators, letter case and accents, one and two letters, blanks
// of every kind.
const QStringList& words() {
    static const QStringList list{
        q("1%"),
        q("10%"),
        q("%"),
        q("_"),
        q("adoç_o"),
        q("adocao"),
        q("ADOÇÃO"),
        q("competência do Juiz de Direito"),
        q("do juiz"),
        q("do   juiz"),
        q("do\njuiz"),
        q("direito é do foro do domicilio"),
        q(" "),
        q("  "),
        q(""),
        q("a"),
        q("ab"),
        q("b a"),
        q("8o, 2a"),
        q("8º"),
        q("2ª parte"),
        q("d'agua"),
        q("d'água"),
        q("d’agua"),
        q("sublinhado_aqui"),
        q("o_a"),
        q("nada disso"),
        q("súmula 383"),
        q("eca"),
        q("e"),
        q("\t"),
        q("x"),
        q("ção"),
        q("guarda adoção"),
        q("e fim "),
        q("lei n"),
        q("agua"),
        q("ÁGUA ab"),
        q("\""),
        q("\"a\""),
        q("nulos"),
        q("o e a"),
        q("§"),
        q("8"),
        q(": "),
        q("a "),
        q("’"),
        q("conselho\u00a0tutelar"),
        q("conselho tutelar"),
        q("art. 227"),
        q("ART.\u202f228"),
        q("228; art. 229 fim"),
        q("\u00a0"),
        q("\u2009a"),
        q("e\u3000art"),
        // Whole words, and words that stand apart by more than a blank.
        q("juiz de direito"),
        q("medida excepcional"),
        q("excepcional taxa"),
        q("art 227"),
        q("competencia do"),
        q("petencia"),
        q("ncia do juiz de dir"),
        // Longer than one phrase of trigrams is asked as.
        q("a competencia do juiz de direito e do foro do domicilio"),
        q("a competencia do juiz de direito e do foro do domicilio."),
        q("de de de de de de de de de de de de de de de de de de de"),
        q("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"),
    };
    return list;
}

// The reference: each of the four fields of every text row, folded for
// search (a NULL field as empty), scanned for the folded words.
std::vector<std::int64_t> scanned(sqlite::Connection& db, const QString& words) {
    const std::string wanted = searchFolded(words.toStdString());
    sqlite::Statement rows(db,
                           "select T.rowid, L.titulo, L.pchave, L.subtitulo, T.conteudo from "
                           "TEXTOS T, LABELS L where L.cod = T.cod_texto order by T.rowid");
    std::vector<std::int64_t> found;
    while (rows.step()) {
        for (int field = 1; field <= 4; ++field) {
            if (searchFolded(rows.utf8(field)).find(wanted) != std::string::npos) {
                found.push_back(rows.int64(0));
                break;
            }
        }
    }
    return found;
}

// Card 6 with every searched field NULL, as a file made elsewhere may hold,
// indexed again afterwards.
void nullCardSix(const QString& databasePath) {
    sqlite::Connection db(databasePath, sqlite::OpenMode::ReadWrite);
    db.executeScript(
        "update LABELS set titulo = NULL, subtitulo = NULL, pchave = NULL where cod = 6;"
        "update TEXTOS set conteudo = NULL where cod_texto = 6");
    SearchIndex::build(db);
}

void dropIndex(const QString& databasePath) {
    sqlite::Connection(databasePath, sqlite::OpenMode::ReadWrite)
        .executeScript(
            "DROP TABLE SEARCH_TRIGRAMS; DROP TABLE SEARCH_DIGEST; DROP TABLE TITLE_ORDER");
}

std::vector<std::int64_t> searchedRows(Database& database, const QString& words) {
    std::vector<std::int64_t> rows;
    database.searchWords(words, SearchScope::allSections(),
                         [&](const ListedDocument& d) { rows.push_back(d.textRow); });
    return rows;
}

std::vector<std::int64_t> sortedRows(std::vector<std::int64_t> rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

TEST(KeywordEngines, FindExactlyWhatAPlainScanOfTheFoldedFieldsFinds) {
    TestCollection collection(cards());
    nullCardSix(collection.databasePath());
    sqlite::Connection db(collection.databasePath(), sqlite::OpenMode::ReadOnly);
    const std::atomic<bool> stop{false};
    const TextIndex inMemory = TextIndex::load(collection.databasePath(), stop);
    EXPECT_EQ(inMemory.rowCount(), 10u);  // card 4 has no text row
    Database database(collection.connectionString());
    ASSERT_TRUE(database.hasSearchIndex());

    int found = 0;
    for (const QString& word : words()) {
        const std::vector<std::int64_t> expected = scanned(db, word);
        const std::string folded = searchFolded(word.toStdString());
        EXPECT_EQ(SearchIndex::matchingTextRows(db, folded), expected) << word.toStdString();
        EXPECT_EQ(inMemory.matchingTextRows(folded, 1), expected) << word.toStdString();
        EXPECT_EQ(inMemory.matchingTextRows(folded, 3), expected) << word.toStdString();
        EXPECT_EQ(sortedRows(searchedRows(database, word)), expected) << word.toStdString();
        found += expected.empty() ? 0 : 1;
    }
    // The words are not all alike: some find rows, some find none.
    EXPECT_GT(found, 20);
    EXPECT_LT(found, static_cast<int>(words().size()) - 5);
}

// A collection indexed before the table of short strings was written scans
// its texts for them instead, and finds the same.
TEST(KeywordEngines, ShortWordsWithoutTheirTableAreScannedAlike) {
    TestCollection collection(cards());
    sqlite::Connection db(collection.databasePath(), sqlite::OpenMode::ReadWrite);
    std::map<QString, std::vector<std::int64_t>> fromTable;
    for (const QString& word : words()) {
        fromTable[word] = SearchIndex::matchingTextRows(db, searchFolded(word.toStdString()));
    }
    db.executeScript("DROP TABLE SEARCH_SHORT");
    ASSERT_TRUE(SearchIndex::isPresent(db));
    for (const QString& word : words()) {
        EXPECT_EQ(SearchIndex::matchingTextRows(db, searchFolded(word.toStdString())),
                  fromTable[word])
            << word.toStdString();
    }
}

// Every form an index was written in answers as the plain scan does:
// today's, the earlier one with a folded copy of the texts, and either one
// without its short strings' table.
TEST(KeywordEngines, EveryFormOfTheIndexFindsWhatAPlainScanFinds) {
    for (const bool copy : {false, true}) {
        for (const bool shortStrings : {true, false}) {
            TestCollection collection(
                cards(),
                {.root = {}, .withShortStringIndex = shortStrings, .withFoldedTextCopy = copy});
            sqlite::Connection db(collection.databasePath(), sqlite::OpenMode::ReadOnly);
            ASSERT_EQ(SearchIndex::hasFoldedTextTable(db), copy);
            ASSERT_EQ(SearchIndex::hasShortStrings(db), shortStrings);
            for (const QString& word : words()) {
                EXPECT_EQ(SearchIndex::matchingTextRows(db, searchFolded(word.toStdString())),
                          scanned(db, word))
                    << word.toStdString() << " copy " << copy << " short " << shortStrings;
            }
        }
    }
}

// A text's start reads the same from the openings stored at build time as
// from the text itself, however many characters are asked for.
TEST(TextOpenings, GiveWhatTheTextsOwnStartGives) {
    QList<TestCard> decisions = cards();
    decisions << card(9, q("Acórdão longo"), q("STJ"), q("C"), q("C13"), q(""),
                      {QString(5000, u'ç') + q("fim"), q("")});
    TestCollection collection(decisions);
    std::vector<std::int64_t> rows;
    for (std::int64_t row = 1; row <= 13; ++row) {
        rows.push_back(row);
    }
    Database stored(collection.connectionString());
    std::vector<std::vector<QString>> fromOpenings;
    for (const int characters : {1, 100, 4000, 4001, 6000}) {
        fromOpenings.push_back(stored.documentTextStarts(rows, characters));
    }
    {
        sqlite::Connection db(collection.databasePath(), sqlite::OpenMode::ReadWrite);
        EXPECT_EQ(SearchIndex::staleTextOpenings(db), std::vector<std::int64_t>());
        db.executeScript("DROP TABLE TEXT_OPENINGS");
    }
    Database withoutOpenings(collection.connectionString());
    size_t at = 0;
    for (const int characters : {1, 100, 4000, 4001, 6000}) {
        EXPECT_EQ(withoutOpenings.documentTextStarts(rows, characters), fromOpenings[at++])
            << characters;
        for (const std::int64_t row : rows) {
            EXPECT_EQ(stored.documentTextStart(row, characters),
                      withoutOpenings.documentTextStart(row, characters));
        }
    }
}

// Long texts are read for the words piece by piece: words and runs of
// blanks that fall across two pieces, and characters cut in two, are found
// as in the whole text.
TEST(KeywordEngines, LongTextsAreFoundAcrossTheirPieces) {
    QList<TestCard> longTexts;
    for (const int length : {16370, 16380, 16383, 16384, 16385, 16390, 8191, 8192}) {
        longTexts << card(length, q("Longo"), q("Autor"), q("C"), q("C13"), q(""),
                          {QString(length / 2, u'ç') + q("  \n conselho, tutelar do juiz") +
                           QString(length, u'x') + q("\t\tfim do texto")});
    }
    TestCollection collection(longTexts);
    sqlite::Connection db(collection.databasePath(), sqlite::OpenMode::ReadOnly);
    for (const char* words : {"c conselho", "ç conselho", "cc conselho, tutelar do juiz",
                              "tutelar do juiz", "conselho tutelar", "x fim do texto", "juizxxx",
                              "xxxx fim", "juiz de direito e do foro do domicilio"}) {
        EXPECT_EQ(SearchIndex::matchingTextRows(db, searchFolded(words)), scanned(db, q(words)))
            << words;
    }
}

// Whole words: the rows where a plain scan finds them with no letter or
// digit on either side are all among the word index's candidates, and a
// single word's candidates are exactly those rows.
TEST(WholeWords, TheWordIndexGivesEveryRowThatHoldsThemWhole) {
    TestCollection collection(cards());
    sqlite::Connection db(collection.databasePath(), sqlite::OpenMode::ReadOnly);
    const WordIndex index(db);
    const auto isWordCharacter = [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    };
    int found = 0;
    for (const QString& word : words()) {
        const std::string wanted = searchFolded(word.toStdString());
        const auto candidates = index.wholeWordCandidates(db, wanted);
        if (!candidates) {
            continue;
        }
        std::vector<std::int64_t> whole;
        SearchIndex::readAllFoldedRows(db, [&](std::int64_t row, std::string_view text) {
            for (size_t at = text.find(wanted); at != std::string_view::npos;
                 at = text.find(wanted, at + 1)) {
                const size_t end = at + wanted.size();
                if ((at == 0 || !isWordCharacter(text[at - 1])) &&
                    (end == text.size() || !isWordCharacter(text[end]))) {
                    whole.push_back(row);
                    return;
                }
            }
        });
        EXPECT_TRUE(
            std::includes(candidates->begin(), candidates->end(), whole.begin(), whole.end()))
            << wanted;
        if (wanted.find(' ') == std::string::npos) {
            EXPECT_EQ(*candidates, whole) << wanted;
        }
        found += whole.empty() ? 0 : 1;
    }
    EXPECT_GT(found, 5);
}

TEST(KeywordEngines, MendedFaultsOfTheLikePatterns) {
    TestCollection collection(cards());
    Database database(collection.connectionString());
    const auto codes = [&](const QString& words) {
        std::set<QString> found;
        database.searchWords(words, SearchScope::allSections(),
                             [&](const ListedDocument& d) { found.insert(d.code); });
        return found;
    };
    // '%' and '_' are the characters themselves, not wildcards.
    EXPECT_EQ(codes(q("1%")), std::set<QString>{q("1")});
    EXPECT_TRUE(codes(q("adoç_o")).empty());
    EXPECT_TRUE(codes(q("%")).size() == 1);
    // A phrase runs over a line break and a run of blanks in the text.
    EXPECT_EQ(codes(q("competência do Juiz de Direito")), std::set<QString>{q("2")});
    EXPECT_EQ(codes(q("juiz  de\ndireito")), std::set<QString>{q("2")});
    // But never from one field into the next.
    EXPECT_TRUE(codes(q("guarda adoção")).empty());
    // Every space separator and the tab are blanks, in the texts and in the words.
    for (const char* words : {"conselho tutelar", "conselho\u00a0tutelar", "art. 227",
                              "Art.\u2009227", "228; art. 229 fim", "ART.\u202f228;\t art."}) {
        EXPECT_EQ(codes(q(words)), std::set<QString>{q("8")}) << words;
    }
    std::set<QString> narrowed;
    database.narrowWords(q("conselho\u202ftutelar"), {1, 8},
                         [&](const ListedDocument& d) { narrowed.insert(d.code); });
    EXPECT_EQ(narrowed, std::set<QString>{q("8")});
}

TEST(KeywordEngines, ACollectionWithoutTheIndexSearchesAndListsAsOneWithIt) {
    TestCollection indexed(cards());
    TestCollection earlier(cards());
    dropIndex(earlier.databasePath());
    Database withIndex(indexed.connectionString());
    Database without(earlier.connectionString());
    EXPECT_TRUE(withIndex.hasSearchIndex());
    EXPECT_FALSE(without.hasSearchIndex());
    without.startIndexingTexts();
    for (const QString& word : words()) {
        EXPECT_EQ(searchedRows(without, word), searchedRows(withIndex, word)) << word.toStdString();
    }
    const auto listed = [](Database& database) {
        std::vector<std::int64_t> rows;
        database.listCollection([&](const ListedDocument& d) { rows.push_back(d.textRow); });
        return rows;
    };
    EXPECT_EQ(listed(without), listed(withIndex));
    EXPECT_EQ(listed(without).size(), 10u);
}

}  // namespace
}  // namespace corvanel
