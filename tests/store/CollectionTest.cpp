#include "Collection.h"
#include "ConnectionString.h"
#include "DatabaseError.h"
#include "TestCollection.h"

#include <QDir>

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;

using testing::card;
using testing::TestCard;
using testing::TestCollection;

QList<TestCard> cards() {
    return {
        card(1, q("Texto 1"), q("Ana"), q("A"), q("A03"), q("")),
        card(2, q("Texto 2"), q("Bia"), q("A"), q("A04 F06"), q("")),
        card(3, q("Lei"), q("Federal"), q("B"), q("B02 D04"), q("")),  // two sections
        card(4, q("Decisão"), q("STJ"), q("C"), q("C13"), q("")),
        card(5, q("Monocrática"), q("TJ"), q("H"), q("H01"), q("")),
        card(6, q("Modelo"), q("Petição"), q("E"), q("E01"), q(""), {}),
    };
}

TEST(OpeningTheCollection, CountsItAndEachSectionByItsCardLetterAndReadsTheRoot) {
    TestCollection files(cards());
    Collection collection(files.connectionString());
    int pumps = 0;
    collection.open([&pumps] { ++pumps; });

    EXPECT_EQ(collection.documentCount(), 6);
    EXPECT_EQ(collection.sectionTotal(Section::Textos), 2);
    EXPECT_EQ(collection.sectionTotal(Section::Legislacao), 1);
    EXPECT_EQ(collection.sectionTotal(Section::Julgados), 1);      // "H01" holds no "C"
    EXPECT_EQ(collection.sectionTotal(Section::Experiencias), 1);  // the card under B and D
    EXPECT_EQ(collection.sectionTotal(Section::Modelos), 1);       // counted without a text
    EXPECT_EQ(collection.sectionTotal(Section::Ciclos), 2);        // the total of letter "A"
    EXPECT_EQ(pumps, 7);                                           // after every count
    EXPECT_EQ(collection.contentRoot(), files.contentFolder());
    EXPECT_TRUE(collection.isOpen());
}

TEST(OpeningTheCollection, WithoutTheRootRowTheRootIsEmpty) {
    TestCollection::Options options;
    options.withRootRow = false;
    TestCollection files(cards(), options);
    Collection collection(files.connectionString());
    collection.open();
    EXPECT_TRUE(collection.contentRoot().isEmpty());
    EXPECT_EQ(collection.documentCount(), 6);
}

TEST(OpeningTheCollection, ADatabaseThatCannotBeOpenedLeavesNothingCountedAndIsTriedAgain) {
    TestCollection files(cards());
    QString wrongPassword = files.connectionString();
    wrongPassword.replace(q("tevaluqim"), q("errada"));
    const QString missingFile = connectionStringFor(files.programFolder() + q("/vazio"));

    for (const QString& connectionString : {wrongPassword, missingFile, QString()}) {
        Collection collection(connectionString);
        EXPECT_THROW(collection.open(), DatabaseError);
        EXPECT_FALSE(collection.documentCount().has_value());
        EXPECT_FALSE(collection.sectionTotal(Section::Textos).has_value());
        EXPECT_TRUE(collection.contentRoot().isEmpty());
        EXPECT_FALSE(collection.isOpen());
        // Asked again, it tries again and fails the same way.
        EXPECT_THROW(collection.database(), DatabaseError);
    }
}

// A collection folder moved or copied elsewhere still finds its own pages.
TEST(OpeningTheCollection, AStoredRootThatIsRelativeOrMissingGivesWayToTheCollectionsOwnFolder) {
    struct Case {
        const char* stored;
        bool ownPages;
        const char* expected;  // relative to the collection's folder; null: the stored root
    };
    const QList<Case> cases{
        {"/nao/existe/", true, ""}, {"/nao/existe/", false, nullptr},
        {"D:\\", true, ""},         {"conteudo/", false, "conteudo/"},
        {"outra/", true, ""},       {"outra/", false, nullptr},
    };
    for (const Case& c : cases) {
        TestCollection::Options options;
        options.root = q(c.stored);
        TestCollection files(cards(), options);
        const QDir own(files.programFolder());
        ASSERT_TRUE(own.mkpath(q("conteudo")));
        if (c.ownPages) {
            ASSERT_TRUE(own.mkpath(q("textos")));
        }
        Collection collection(files.connectionString());
        collection.readContentRoot();
        const QString expected =
            c.expected == nullptr ? q(c.stored) : own.absolutePath() + u'/' + q(c.expected);
        EXPECT_EQ(collection.contentRoot(), expected) << c.stored << " " << c.ownPages;
    }
    // A root that exists stays as it is, pages beside the database or not.
    TestCollection files(cards());
    ASSERT_TRUE(QDir(files.programFolder()).mkpath(q("textos")));
    Collection collection(files.connectionString());
    collection.readContentRoot();
    EXPECT_EQ(collection.contentRoot(), files.contentFolder());
}

TEST(Sections, EveryLetterAndNameLeadsBackToItsSection) {
    for (const SectionFacts& facts : kSections) {
        ASSERT_NE(sectionOfLetter(facts.letter), nullptr);
        EXPECT_EQ(sectionOfLetter(facts.letter)->section, facts.section);
        ASSERT_NE(sectionNamed(facts.name), nullptr);
        EXPECT_EQ(sectionNamed(facts.name)->section, facts.section);
        EXPECT_EQ(&sectionFacts(facts.section), &facts);
    }
    EXPECT_EQ(sectionOfLetter(u"H")->section, Section::Julgados);
    EXPECT_EQ(sectionOfLetter(u"T"), nullptr);
    EXPECT_EQ(sectionOfLetter(u""), nullptr);
    // Cards of letter "A" are listed under Textos, not Ciclos de Vida.
    EXPECT_EQ(sectionOfCard(u"A")->section, Section::Textos);
    EXPECT_EQ(sectionOfCard(u"F"), nullptr);
    EXPECT_TRUE(isSectionLabel(u"Julgados:"));
    EXPECT_FALSE(isSectionLabel(u"Julgados: outro"));
    EXPECT_FALSE(isSectionLabel(u""));
}

}  // namespace
}  // namespace corvanel
