#include "Collection.h"
#include "ConnectionString.h"
#include "DatabaseError.h"
#include "TestCollection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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

TEST(OpeningTheCollection, CountsItAndEachSectionByItsCardLetterAndDecidesItsFolder) {
    TestCollection files(cards());
    const Collection collection = Collection::open(files.programFolder());

    EXPECT_EQ(collection.documentCount(), 6);
    EXPECT_EQ(collection.sectionTotal(Section::Textos), 2);
    EXPECT_EQ(collection.sectionTotal(Section::Legislacao), 1);
    EXPECT_EQ(collection.sectionTotal(Section::Julgados), 1);      // "H01" holds no "C"
    EXPECT_EQ(collection.sectionTotal(Section::Experiencias), 1);  // the card under B and D
    EXPECT_EQ(collection.sectionTotal(Section::Modelos), 1);       // counted without a text
    EXPECT_EQ(collection.sectionTotal(Section::Ciclos), 2);        // the total of letter "A"
    EXPECT_EQ(collection.contentRoot(), files.contentFolder());
    EXPECT_TRUE(collection.contentFolder().hasMarkerFile());
    EXPECT_TRUE(collection.isOpen());
}

TEST(OpeningTheCollection, WithoutTheRootRowThereIsNoFolder) {
    TestCollection::Options options;
    options.withRootRow = false;
    TestCollection files(cards(), options);
    const Collection collection = Collection::open(files.programFolder());
    EXPECT_FALSE(collection.contentFolder().isValid());
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
        EXPECT_FALSE(collection.documentCount().has_value());
        EXPECT_FALSE(collection.sectionTotal(Section::Textos).has_value());
        EXPECT_TRUE(collection.contentRoot().isEmpty());
        EXPECT_FALSE(collection.isOpen());
        // Asked again, it tries again and fails the same way.
        EXPECT_THROW(collection.database(), DatabaseError);
        EXPECT_THROW(collection.database(), DatabaseError);
    }
    EXPECT_THROW(Collection::open(files.programFolder() + q("/vazio")), DatabaseError);
}

// A collection folder moved or copied elsewhere still finds its own pages;
// a received one reads no folder but its own.
TEST(OpeningTheCollection, AStoredRootThatIsMissingOrLeadsOutGivesWayToTheCollectionsOwnFolder) {
    struct Case {
        const char* stored;  // "@" stands for the test's own folder, above the collection's
        bool ownPages;
        const char* expected;  // relative to the collection's folder; null: no folder
    };
    const QList<Case> cases{
        {"/nao/existe/", true, ""},
        {"/nao/existe/", false, nullptr},
        {"D:\\", true, ""},
        {"conteudo/", false, "conteudo/"},
        {"conteudo", true, "conteudo/"},
        {"outra/", true, ""},
        {"outra/", false, nullptr},
        {"/", true, ""},
        {"/", false, nullptr},
        {"/etc/", false, nullptr},
        {"/etc", true, ""},
        {"../", true, ""},
        {"@/conteudo/", true, ""},    // outside, while textos/ lies beside the database
        {"@/conteudo/", false, "@"},  // a collection whose pages lie elsewhere
        {"@/x", true, ""},            // a link to the root of the disk
        {"@/x", false, nullptr},
    };
    for (const Case& c : cases) {
        QTemporaryDir place;
        ASSERT_TRUE(QFile::link(q("/"), place.filePath(q("x"))));
        ASSERT_TRUE(QDir(place.path()).mkpath(q("conteudo")));
        QString stored = q(c.stored);
        stored.replace(u'@', place.path());
        TestCollection::Options options;
        options.root = stored;
        TestCollection files(cards(), options);
        const QDir own(files.programFolder());
        ASSERT_TRUE(own.mkpath(q("conteudo")));
        if (c.ownPages) {
            ASSERT_TRUE(own.mkpath(q("textos")));
        }
        const Collection collection = Collection::open(files.programFolder());
        QString expected;
        if (c.expected != nullptr && q(c.expected) == u"@") {
            expected = place.path() + q("/conteudo/");
        } else if (c.expected != nullptr) {
            expected = own.absolutePath() + u'/' + q(c.expected);
        }
        EXPECT_EQ(collection.contentRoot(), expected) << stored.toStdString() << " " << c.ownPages;
    }
}

// The folder the user chose stands in only where the collection's own
// lacks its marker file, and is never a folder of the system.
TEST(OpeningTheCollection, TheUsersChoiceStandsInForAFolderWithoutItsMarkerFile) {
    TestCollection found(cards());
    TestCollection lost(cards(), {.root = q("/media/cdrom/"), .withMarkerFile = false});
    const QString chosen = found.contentFolder();
    EXPECT_EQ(Collection::open(found.programFolder(), lost.contentFolder()).contentRoot(), chosen);
    EXPECT_EQ(Collection::open(lost.programFolder(), chosen).contentRoot(), chosen);
    EXPECT_FALSE(Collection::open(lost.programFolder(), q("/")).contentFolder().isValid());
    EXPECT_FALSE(Collection::open(lost.programFolder()).contentFolder().isValid());
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
