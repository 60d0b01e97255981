#include "ConnectionString.h"
#include "DatabaseError.h"
#include "SplashScreen.h"
#include "ResultListWindow.h"
#include "TestCollection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <map>

namespace corvanel {
namespace {

using testing::card;
using testing::TestCard;
using testing::TestCollection;

QString q(const char* utf8) { return QString::fromUtf8(utf8); }

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

// What creation wrote for the other windows.
struct CreationRecord {
    std::map<Section, QString> totals;
    std::vector<Section> totalOrder;
    int contentLocationShown = 0;
    QList<int> barPositions;
};

ResultListWindow::CreationContext contextFor(const QString& connectionString, SplashScreen* splash,
                                    CreationRecord& record) {
    ResultListWindow::CreationContext context;
    context.connectionString = connectionString;
    context.progress = splash;
    context.writeSectionTotal = [&record](Section section, const QString& total) {
        record.totals[section] = total;
        record.totalOrder.push_back(section);
    };
    context.showContentLocationScreen = [&record] { ++record.contentLocationShown; };
    if (splash != nullptr) {
        QObject::connect(splash, &SplashScreen::barPositionChanged,
                         [&record](int position) { record.barPositions << position; });
    }
    return context;
}

TEST(ResultListCreation, AdvancesTheSplashBarToFullAndNoFurther) {
    TestCollection collection(cards());
    SplashScreen splash;
    splash.setBarPosition(10);
    CreationRecord record;
    ResultListWindow textos;
    textos.FormCreate(contextFor(collection.connectionString(), &splash, record));

    ASSERT_EQ(record.barPositions.size(), 1000);
    EXPECT_EQ(record.barPositions.mid(0, 10),
              (QList<int>{21, 32, 43, 54, 65, 76, 87, 98, 100, 100}));
    EXPECT_EQ(*std::max_element(record.barPositions.begin(), record.barPositions.end()), 100);
    EXPECT_EQ(splash.barPosition(), 100);
}

TEST(ResultListCreation, CountsTheCollectionAndEachSectionInOrder) {
    TestCollection collection(cards());
    CreationRecord record;
    ResultListWindow textos;
    textos.FormCreate(contextFor(collection.connectionString(), nullptr, record));

    EXPECT_EQ(textos.Edit6, q("6"));
    using S = Section;
    EXPECT_EQ(record.totalOrder, (std::vector<S>{S::Textos, S::Legislacao, S::Julgados,
                                                 S::Experiencias, S::Modelos, S::Ciclos}));
    EXPECT_EQ(record.totals[S::Textos], q("2"));
    EXPECT_EQ(record.totals[S::Legislacao], q("1"));
    EXPECT_EQ(record.totals[S::Julgados], q("1"));  // "H01" holds no "C"
    EXPECT_EQ(record.totals[S::Experiencias], q("1"));  // the card filed under B and D
    EXPECT_EQ(record.totals[S::Modelos], q("1"));       // counted though it has no text
    EXPECT_EQ(record.totals[S::Ciclos], q("2"));        // the total of letter "A"
    EXPECT_EQ(textos.CaminhoCD, collection.contentFolder());
    EXPECT_EQ(record.contentLocationShown, 0);
    EXPECT_NE(textos.database(), nullptr);
}

TEST(ResultListCreation, ARootWithoutItsMarkerFileAsksForTheContentLocation) {
    TestCollection::Options options;
    options.withMarkerFile = false;
    TestCollection collection(cards(), options);
    CreationRecord record;
    ResultListWindow textos;
    textos.FormCreate(contextFor(collection.connectionString(), nullptr, record));
    EXPECT_EQ(record.contentLocationShown, 1);
    EXPECT_EQ(textos.CaminhoCD, collection.contentFolder());
}

TEST(ResultListCreation, WithoutTheRootRowTheMarkerIsLookedForInTheWorkingFolder) {
    TestCollection::Options options;
    options.withRootRow = false;
    TestCollection collection(cards(), options);
    QTemporaryDir workingFolder;
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(workingFolder.path()));

    CreationRecord withoutMarker;
    ResultListWindow first;
    first.FormCreate(contextFor(collection.connectionString(), nullptr, withoutMarker));
    EXPECT_TRUE(first.CaminhoCD.isEmpty());
    EXPECT_EQ(withoutMarker.contentLocationShown, 1);

    QFile marker(QStringLiteral("labels.dat"));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    CreationRecord withMarker;
    ResultListWindow second;
    second.FormCreate(contextFor(collection.connectionString(), nullptr, withMarker));
    EXPECT_EQ(withMarker.contentLocationShown, 0);
    QDir::setCurrent(previous);
}

TEST(ResultListCreation, ADatabaseThatCannotBeOpenedStopsCreationBeforeTheCounts) {
    TestCollection collection(cards());
    QString wrongPassword = collection.connectionString();
    wrongPassword.replace(q("tevaluqim"), q("errada"));
    const QString missingFile = connectionStringFor(collection.programFolder() + q("/vazio"));

    for (const QString& connectionString : {wrongPassword, missingFile}) {
        CreationRecord record;
        ResultListWindow textos;
        EXPECT_THROW(textos.FormCreate(contextFor(connectionString, nullptr, record)),
                     DatabaseError);
        EXPECT_TRUE(record.totals.empty());
        EXPECT_TRUE(textos.Edit6.isEmpty());
        EXPECT_TRUE(textos.CaminhoCD.isEmpty());
        EXPECT_EQ(record.contentLocationShown, 0);
        EXPECT_EQ(textos.database(), nullptr);
    }
}

}  // namespace
}  // namespace corvanel
