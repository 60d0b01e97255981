#include "Collection.h"
#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"
#include "DisplayLineBreaker.h"
#include "Look.h"
#include "ResultListLogic.h"
#include "SearchCollection.h"
#include "Sections.h"

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;
using testing::RecordingHost;
using testing::TestCollection;

class ResultList : public ::testing::Test {
protected:
    explicit ResultList(const QList<testing::TestCard>& cards = testing::searchCards())
        : collection(cards) {
        opened.setContentRoot(collection.contentFolder());
    }

    void request(const char* tipo, const char* edit4, const char* edit3 = " ",
                 const char* aux = "") {
        logic.fields.kind = q(tipo);
        logic.fields.argument = q(edit4);
        logic.fields.words = q(edit3);
        logic.fields.adoptedSection = q(aux);
        logic.showRequest();
    }

    void search(const char* words) {
        logic.fields.words = q(words);
        logic.search();
    }

    void narrow(const char* words) {
        logic.fields.words = q(words);
        logic.narrow();
    }

    QStringList lines() const { return logic.lines().lines(); }

    // The documents listed, each once, in list order.
    QStringList codes() const {
        QStringList result;
        for (const QString& key : logic.lines().keys()) {
            if (key != u" " && !result.contains(key)) {
                result << key;
            }
        }
        return result;
    }

    QSet<QString> codeSet() const {
        const QStringList listed = codes();
        return {listed.begin(), listed.end()};
    }

    // The rows a level holds for a narrowing or a step back.
    int marksAt(int level) const {
        const SearchResult* held = logic.levels().at(level);
        return held != nullptr ? static_cast<int>(held->rows.size()) : 0;
    }

    TestCollection collection;
    Collection opened{collection.connectionString()};
    RecordingHost host;
    DisplayLineBreaker decisionLines{Look::sansSerif(11), ResultListLogic::kDecisionTextWidth};
    ResultListLogic logic{opened, host, decisionLines};
};

TEST_F(ResultList, ListarLumbraNumbersEveryRowUnderSectionLabelsAndMarksIt) {
    request("G", "T");
    EXPECT_EQ(lines(),
              (QStringList{q("Textos:"), q("1 - Ação civil pública"), q("Silva, Ana"), q(" "),
                           q("Textos:"), q("2 - Adoção internacional"), q("Silva, Ana"), q(" "),
                           // 3 is the card of section "F": numbered, never shown
                           q("Julgados:"), q("4 - Decisão monocrática"), q("TJSP"), q(" "),
                           q("Textos:"), q("5 - Guarda compartilhada"), q("Souza, Bia"), q(" "),
                           // a decision of three lines still shows five
                           q("Julgados:"), q("6 - Primeira linha da decisão."), q("Segunda linha."),
                           q("Terceira."), q(""), q(""), q("Clique para visualizar"), q(" "),
                           q("Legislação:"), q("7 - Lei do SINASE"), q("Congresso Nacional"),
                           q(" "), q("Modelos:"), q("8 - Petição inicial"), q("Modelo"), q(" "),
                           q("Experiências:"), q("9 - Programa Família Acolhedora"), q("Município"),
                           q(" ")}));
    const QStringList& keys = logic.lines().keys();
    ASSERT_EQ(keys.size(), lines().size());
    EXPECT_EQ(keys.mid(16, 8),
              (QStringList{q("4"), q("4"), q("4"), q("4"), q("4"), q("4"), q("4"), q(" ")}));
    EXPECT_EQ(codes(),
              (QStringList{q("9"), q("1"), q("5"), q("2"), q("4"), q("3"), q("6"), q("7")}));
    EXPECT_EQ(logic.rowCount(), q("9"));
    EXPECT_EQ(logic.scopeName(), q("Lumbra"));
    EXPECT_EQ(logic.header(), HeaderLayout::Listing);
    EXPECT_EQ(logic.level(), -1);
    EXPECT_EQ(marksAt(-1), 9);  // the row of section "F" too
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_TRUE(host.settled());
    EXPECT_EQ(host.busyShown, 1);
}

TEST_F(ResultList, EveryRequestKindRunsItsRowOfTheTable) {
    struct Case {
        const char* tipo;
        const char* edit4;
        const char* aux;
        const char* subcatok;
        QStringList codes;
        const char* scope;
        HeaderLayout header;
    };
    const Case cases[] = {
        {"T", " ", "", "0", {}, "Todos", HeaderLayout::Search},
        {"SA", "A", "", "0", {q("9"), q("1"), q("2")}, "Textos", HeaderLayout::Listing},
        {"SB", "B", "", "0", {q("3")}, "Legislação", HeaderLayout::Listing},
        {"SC", "C", "", "0", {q("4")}, "Julgados", HeaderLayout::Listing},  // not "H"
        {"SD", "D", "", "0", {q("7")}, "Experiências", HeaderLayout::Listing},
        {"SE", "E", "", "0", {q("6")}, "Modelos", HeaderLayout::Listing},
        {"SF", "F", "", "0", {q("9"), q("1"), q("2")}, "Ciclos de Vida", HeaderLayout::Listing},
        {"B", "B02", "B", "0", {q("3")}, "Legislação", HeaderLayout::Listing},
        {"D", "D04", "D", "0", {q("3")}, "Experiências", HeaderLayout::Listing},
        {"H", "H01", "H", "0", {q("5")}, "Julgados", HeaderLayout::Listing},
        {"F", "F06", "F", "0", {q("2")}, "Ciclos de Vida", HeaderLayout::Listing},
        {" ", " ", "", "0", {}, "Todos", HeaderLayout::Plain},
        {"sa", "X", "", "0", {}, "", HeaderLayout::Plain},  // kinds compare exactly
    };
    for (const Case& c : cases) {
        logic.fields.subcategoryMode = q(c.subcatok);
        request(c.tipo, c.edit4, " ", c.aux);
        const std::string name = std::string("tipo \"") + c.tipo + "\"";
        EXPECT_EQ(codes(), c.codes) << name;
        EXPECT_EQ(logic.rowCount(), QString::number(c.codes.size())) << name;
        EXPECT_EQ(logic.scopeName(), q(c.scope)) << name;
        EXPECT_EQ(logic.header(), c.header) << name;
        EXPECT_EQ(lines().count(q("Textos:")), 0) << name;  // plain fills have no labels
        EXPECT_TRUE(logic.fields.adoptedSection.isEmpty()) << name;
        EXPECT_TRUE(host.messages.isEmpty()) << name;
    }
    // A category request adopts the section letter of Aux.
    EXPECT_EQ(logic.fields.argument, q("X"));
    request("B", "B02", " ", "B");
    EXPECT_EQ(logic.fields.argument, q("B"));
    EXPECT_EQ(lines().first(), q("1 - Lei do SINASE"));
    EXPECT_TRUE(host.settled());
}

TEST_F(ResultList, SectionSearchesFilterByLetterOrBySubcategory) {
    logic.fields.subcategoryMode = q("1");
    logic.fields.subcategory = q("F06");
    request("SF", "F");
    EXPECT_EQ(codes(), QStringList{q("2")});
    logic.fields.subcategory = q("A03");
    request("SA", "A", "adoção");
    EXPECT_EQ(codes(), QStringList{q("1")});
    // Never written: the sub-category " " finds the cards filed under two codes.
    logic.fields.subcategoryMode = QString();
    logic.fields.subcategory = q(" ");
    request("SB", "B");
    EXPECT_EQ(codes(), (QStringList{q("2"), q("3")}));
}

TEST_F(ResultList, AnEmptyListingSaysSoButTheAuthorListNever) {
    request("A", "A20", " ", "A");
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(logic.rowCount(), q("0"));
    EXPECT_EQ(host.messages, QStringList{q("Nenhum documento localizado para sua busca.")});

    request("A01", "A01", " ", "A");
    EXPECT_EQ(lines(), (QStringList{q("1 - Silva, Ana"), q(" "), q("2 - Souza, Bia"), q(" ")}));
    EXPECT_EQ(logic.lines().keys(),
              (QStringList{q("Silva, Ana"), q("Silva, Ana"), q("Souza, Bia"), q("Souza, Bia")}));
    EXPECT_EQ(logic.rowCount(), q("2"));
    EXPECT_EQ(logic.scopeName(), q("Textos"));
    EXPECT_EQ(host.messages.size(), 1);
}

class WithoutTextos : public ResultList {
protected:
    WithoutTextos() : ResultList({testing::searchCards().at(2)}) {}
};

TEST_F(WithoutTextos, AnEmptyAuthorListShowsNoMessage) {
    request("A01", "A01", " ", "A");
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(logic.rowCount(), q("0"));
    EXPECT_TRUE(host.messages.isEmpty());
}

TEST_F(ResultList, TheSearchButtonSearchesTheScopeOnScreen) {
    request("T", " ", "");
    search("SILVA");
    EXPECT_EQ(codes(), (QStringList{q("9"), q("1")}));
    EXPECT_EQ(lines().first(), q("Textos:"));
    EXPECT_EQ(logic.level(), 0);
    EXPECT_EQ(marksAt(0), 2);

    struct Case {
        const char* edit4;
        const char* words;
        QStringList codes;
    };
    const Case cases[] = {
        {"C", "decis", {q("4")}},                  // "Julgados" is section "C" alone
        {"T", "decis", {q("5"), q("4")}},          // "Lumbra" is the whole collection
        {"F", "texto", {q("9"), q("1"), q("2")}},  // "Ciclos de Vida" is letter "A"
        {"B", "d'água", {}},
        {" ", "d'água", {q("2")}},  // the apostrophe is searched for
        {" ", "Ação%pública", {}},  // '%' and '_' are plain characters
        {" ", "Ad_ção", {}},
        {" ", "ação civil\n  pública", {q("9")}},  // blanks and line breaks as one blank
        {" ", "adocao", {q("1")}},                 // accents and case are ignored
    };
    for (const Case& c : cases) {
        logic.fields.subcategoryMode = q("0");
        request(" ", c.edit4);
        search(c.words);
        EXPECT_EQ(codes(), c.codes) << c.edit4 << " " << c.words;
        EXPECT_EQ(logic.rowCount(), QString::number(c.codes.size()));
        EXPECT_EQ(logic.level(), 0);
    }
    // A scope no search belongs to searches nothing, and says nothing.
    host.messages.clear();
    request(" ", "X");
    search("texto");
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_TRUE(host.messages.isEmpty());
    EXPECT_EQ(logic.level(), 0);
    EXPECT_TRUE(host.settled());
}

TEST_F(ResultList, NarrowingAndSteppingBackInTheGeneralSearch) {
    request("T", " ", "");
    search("texto");
    const QStringList withTexto = codes();
    ASSERT_EQ(withTexto.size(), 4);  // and card 8, which shows nothing
    narrow("sobre");
    EXPECT_EQ(codes(), (QStringList{q("1"), q("2")}));
    EXPECT_EQ(lines().first(), q("Textos:"));
    narrow("entre");
    EXPECT_EQ(codes(), QStringList{q("1")});
    EXPECT_EQ(logic.level(), 2);

    logic.fields.words = q("outra coisa");
    logic.stepBack();
    EXPECT_EQ(codeSet(), (QSet<QString>{q("1"), q("2")}));
    EXPECT_EQ(logic.fields.words, q("sobre"));
    EXPECT_EQ(logic.rowCount(), q("2"));
    EXPECT_EQ(lines().count(q("Textos:")), 0);  // listed again without labels
    EXPECT_EQ(marksAt(2), 0);

    logic.stepBack();
    EXPECT_EQ(codeSet(), QSet<QString>(withTexto.begin(), withTexto.end()));
    EXPECT_EQ(logic.rowCount(), q("5"));
    EXPECT_EQ(logic.fields.words, q("texto"));
    EXPECT_EQ(logic.level(), 0);

    const int busyBefore = host.busyShown;
    logic.stepBack();
    EXPECT_EQ(host.messages, QStringList{q("Não existem resultados anteriores.")});
    EXPECT_EQ(host.busyShown, busyBefore);
    EXPECT_EQ(logic.level(), 0);
    EXPECT_EQ(logic.rowCount(), q("5"));
    EXPECT_TRUE(host.settled());
}

TEST_F(ResultList, NarrowingWithoutWordsListsThePreviousResultAgain) {
    request("T", " ", "");
    search("silva");
    narrow("");
    EXPECT_EQ(codes(), (QStringList{q("9"), q("1")}));
    EXPECT_EQ(logic.level(), 1);
    EXPECT_EQ(marksAt(1), 2);
}

TEST_F(ResultList, NarrowingBeforeAnySearchFindsNothing) {
    request("T", " ", "");
    narrow("texto");
    EXPECT_TRUE(lines().isEmpty());
    EXPECT_EQ(logic.level(), 0);
    EXPECT_EQ(host.messages, QStringList{q("Nenhum documento localizado para sua busca.")});
}

// Whatever the window's request, "Voltar" shows the level stepped to.
TEST_F(ResultList, SteppingBackInLocalizarShowsThePreviousResultAgain) {
    request(" ", " ");
    search("silva");
    const QStringList silva = codes();
    const QString silvaCount = logic.rowCount();
    search("guarda");
    EXPECT_EQ(marksAt(1), 1);
    logic.stepBack();
    EXPECT_EQ(codes(), silva);
    EXPECT_EQ(silva.size(), 2);
    EXPECT_EQ(logic.fields.words, q("silva"));
    EXPECT_EQ(logic.rowCount(), silvaCount);
    EXPECT_EQ(lines().count(q("Textos:")), 0);
    EXPECT_EQ(logic.level(), 0);
    EXPECT_EQ(marksAt(1), 0);
    EXPECT_EQ(marksAt(0), 2);
}

// A document with several text rows, found by each of them.
class ManyTextRows : public ResultList {
protected:
    ManyTextRows() : ResultList(withManyTextRows()) {}

    static QList<testing::TestCard> withManyTextRows() {
        QList<testing::TestCard> cards = testing::searchCards();
        cards << testing::card(11, q("Estatuto"), q("Congresso"), q("B"), q("B01"), q(""),
                               {q("texto um"), q("texto dois"), q("texto três")});
        return cards;
    }

    static QStringList withoutLabels(QStringList listed) {
        listed.removeIf([](const QString& line) { return isSectionLabel(line); });
        return listed;
    }
};

TEST_F(ManyTextRows, NarrowingAndBackListEachTextRowOnceInItsPlace) {
    request("T", " ", "");
    search("texto");
    const QStringList first = lines();
    const QString count = logic.rowCount();
    ASSERT_EQ(count, q("8"));  // five documents of one row, card 11 three times
    narrow("texto");
    EXPECT_EQ(logic.rowCount(), count);
    EXPECT_EQ(lines(), first);
    narrow("um");
    EXPECT_EQ(logic.rowCount(), q("1"));
    logic.stepBack();
    EXPECT_EQ(lines(), withoutLabels(first));
    EXPECT_EQ(logic.rowCount(), count);
    logic.stepBack();
    EXPECT_EQ(lines(), withoutLabels(first));
    EXPECT_EQ(logic.rowCount(), count);
    EXPECT_EQ(logic.level(), 0);
}

TEST_F(ResultList, AShowingStartsLevelsAndMarksAfresh) {
    request("T", " ", "");
    search("silva");
    narrow("adoção");
    request("T", " ", "");
    EXPECT_EQ(logic.level(), -1);
    EXPECT_EQ(marksAt(0) + marksAt(1), 0);
    logic.stepBack();
    EXPECT_EQ(host.messages, QStringList{q("Não existem resultados anteriores.")});
}

TEST_F(ResultList, PastTheHistorysSizeTheOldestLevelsAreLetGo) {
    request("T", " ", "");
    constexpr int kSearches = ResultLevels::kHistorySize + 4;
    for (int i = 0; i < kSearches; ++i) {
        search(i % 2 == 0 ? "silva" : "texto");
    }
    EXPECT_EQ(logic.level(), kSearches - 1);
    EXPECT_EQ(marksAt(0), 0);  // let go
    EXPECT_EQ(marksAt(4), 2);  // the oldest kept, a search for "silva"
    int steps = 0;
    while (host.messages.isEmpty()) {
        logic.stepBack();
        ++steps;
    }
    EXPECT_EQ(steps, ResultLevels::kHistorySize);  // the last one refused
    EXPECT_EQ(logic.level(), 4);
    EXPECT_EQ(logic.fields.words, q("silva"));
    EXPECT_EQ(codes().size(), 2);
}

TEST_F(ResultList, ADoubleClickOpensADocumentOrListsAnAuthorsTexts) {
    request("A01", "A01", " ", "A");
    EXPECT_FALSE(logic.openLine(1).has_value());  // a separator
    EXPECT_EQ(lines().size(), 4);
    EXPECT_FALSE(logic.openLine(0).has_value());
    EXPECT_EQ(logic.fields.kind, q("SA"));
    EXPECT_EQ(logic.scopeName(), q("Textos por Autor"));
    EXPECT_EQ(logic.fields.words, q("Silva, Ana"));
    EXPECT_EQ(codes(), (QStringList{q("9"), q("1")}));
    EXPECT_EQ(logic.level(), 0);

    const auto document = logic.openLine(2);  // the title line of card 9
    ASSERT_TRUE(document.has_value());
    EXPECT_EQ(document->address,
              q("file://localhost/") + collection.contentFolder() + q("textos\\9.htm"));
    EXPECT_EQ(document->pageName, q("9"));
    EXPECT_FALSE(logic.openLine(-1).has_value());
    EXPECT_FALSE(logic.openLine(lines().size()).has_value());
}

TEST_F(ResultList, HidingLeavesABlankInTheSearchBox) {
    logic.fields.words = q("lei");
    logic.hidden();
    EXPECT_EQ(logic.fields.words, q(" "));
}

TEST(DamagedFile, AnUnreadableTextFailsWhenItsLinesAreReadAndLeavesTheProgramUsable) {
    TestCollection collection(testing::withDamagedDecision());
    testing::damageDecision(collection.databasePath());

    RecordingHost host;
    Collection opened(collection.connectionString());
    const DisplayLineBreaker decisionLines(Look::sansSerif(11),
                                           ResultListLogic::kDecisionTextWidth);
    ResultListLogic logic(opened, host, decisionLines);
    logic.fields.kind = q("C");
    logic.fields.argument = q("C13");
    logic.fields.adoptedSection = q("C");
    // Texts are read when their lines are asked for, not by the listing.
    logic.showRequest();
    EXPECT_TRUE(host.settled());
    EXPECT_EQ(logic.rowCount(), q("2"));
    // The decision before the damaged one reads, though read together.
    EXPECT_EQ(logic.lines().line(0), q("1 - Primeira linha da decisão."));
    EXPECT_THROW(logic.lines().lines(), DatabaseError);
    EXPECT_THROW(static_cast<void>(logic.lines().line(7)), DatabaseError);

    logic.fields.kind = q("B");
    logic.fields.argument = q("B02");
    logic.fields.adoptedSection = q("B");
    logic.showRequest();
    EXPECT_EQ(logic.lines().lines().first(), q("1 - Lei do SINASE"));
    EXPECT_EQ(logic.scopeName(), q("Legislação"));
    EXPECT_TRUE(host.settled());
}

TEST(ClosedDatabase, ARequestOpensTheDatabaseCreationCouldNotOpen) {
    QTemporaryDir folder;
    const TestCollection collection(testing::searchCards());
    RecordingHost host;
    Collection opened(connectionStringFor(folder.path()));
    const DisplayLineBreaker decisionLines(Look::sansSerif(11),
                                           ResultListLogic::kDecisionTextWidth);
    ResultListLogic logic(opened, host, decisionLines);
    EXPECT_THROW(opened.database(), DatabaseError);
    logic.fields.kind = q("G");
    EXPECT_THROW(logic.showRequest(), DatabaseError);
    EXPECT_TRUE(host.settled());

    ASSERT_TRUE(QFile::copy(collection.databasePath(), folder.filePath(q("db3.mdb"))));
    logic.showRequest();
    EXPECT_EQ(logic.rowCount(), q("9"));
}

// The words a document opened from the list was found by: the search's and
// every narrowing's since, never those of an earlier search.
TEST_F(ResultList, ADocumentOpensWithTheWordsItWasFoundBy) {
    const auto wordsOfFirstDocument = [this] {
        for (qsizetype row = 0; row < logic.lines().size(); ++row) {
            if (const auto document = logic.openLine(row)) {
                return document->searchWords;
            }
        }
        return QStringList{q("(nothing to open)")};
    };
    request("G", "T");
    EXPECT_EQ(wordsOfFirstDocument(), QStringList());
    request("T", " ", "");
    search("texto");
    narrow("sobre");
    EXPECT_EQ(wordsOfFirstDocument(), (QStringList{q("texto"), q("sobre")}));
    search("texto");
    EXPECT_EQ(wordsOfFirstDocument(), QStringList{q("texto")});
    narrow("entre");
    logic.stepBack();
    EXPECT_EQ(wordsOfFirstDocument(), QStringList{q("texto")});
}

// The levels keep what was found; only the lists follow the order and the
// grouping asked.
TEST_F(ResultList, AResultShownIsListedAgainInTheOrderAndGroupingAsked) {
    request("T", " ");
    search("texto");
    const QStringList byTitle = codes();
    const SearchResult found = logic.levels().current();
    logic.fields.arrangement = {ResultOrder::Relevance, true};
    logic.rearrange();
    EXPECT_NE(codes(), byTitle);
    EXPECT_EQ(codeSet(), QSet<QString>(byTitle.begin(), byTitle.end()));
    EXPECT_EQ(logic.levels().current(), found);
    logic.fields.arrangement = {};
    logic.rearrange();
    EXPECT_EQ(codes(), byTitle);
    EXPECT_TRUE(host.settled());
}

}  // namespace
}  // namespace corvanel
