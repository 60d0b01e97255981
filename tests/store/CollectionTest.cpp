#include "Collection.h"
#include "ConnectionString.h"
#include "DatabaseError.h"
#include "TestCollection.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::TestCard;
using testing::TestCollection;

QString u8(const char* text) { return QString::fromUtf8(text); }

QList<TestCard> cards() {
    return {
        card(1, u8("Texto 1"), u8("Ana"), u8("A"), u8("A03"), u8("")),
        card(2, u8("Texto 2"), u8("Bia"), u8("A"), u8("A04 F06"), u8("")),
        card(3, u8("Lei"), u8("Federal"), u8("B"), u8("B02 D04"), u8("")),  // two sections
        card(4, u8("Decisão"), u8("STJ"), u8("C"), u8("C13"), u8("")),
        card(5, u8("Monocrática"), u8("TJ"), u8("H"), u8("H01"), u8("")),
        card(6, u8("Modelo"), u8("Petição"), u8("E"), u8("E01"), u8(""), {}),
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
    EXPECT_EQ(pumps, 7);  // after every count
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
    wrongPassword.replace(u8("tevaluqim"), u8("errada"));
    const QString missingFile = connectionStringFor(files.programFolder() + u8("/vazio"));

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
