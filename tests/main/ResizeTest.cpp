#include "CategoryTree.h"
#include "MainWindowTesting.h"
#include "ResizeRules.h"

#include <QHash>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using main_window::resizedLayout;
using testing::RecordedMainWindow;
using testing::resizeOuter;

const QStringList kSectionPages{QStringLiteral("PgTextos"),       QStringLiteral("PgLegislacao"),
                                QStringLiteral("PgJulgados"),     QStringLiteral("PgModelos"),
                                QStringLiteral("PgExperiencias"), QStringLiteral("PgCiclos")};
const QStringList kSectionTrees{QStringLiteral("TTextos"),       QStringLiteral("TLegislacao"),
                                QStringLiteral("TJulgados"),     QStringLiteral("TModelos"),
                                QStringLiteral("TExperiencias"), QStringLiteral("TCiclos")};

TEST(ResizeRules, NothingMovesAtOrBelow770WideOr540High) {
    EXPECT_FALSE(resizedLayout({770, 600}).has_value());
    EXPECT_FALSE(resizedLayout({786, 540}).has_value());
    EXPECT_FALSE(resizedLayout({400, 300}).has_value());
    EXPECT_TRUE(resizedLayout({771, 541}).has_value());
}

class MainWindowResize : public ::testing::Test {
protected:
    void SetUp() override { window.show(); }

    QRect geometryOf(const QString& name) const { return window.find<QWidget>(name)->geometry(); }

    // Every named control of the window, where it lies in its parent.
    QHash<QString, QRect> snapshot() const {
        QHash<QString, QRect> places;
        for (const QWidget* widget : window.form.centralWidget()->findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() &&
                !widget->objectName().startsWith(QStringLiteral("qt_"))) {
                places.insert(widget->objectName(), widget->geometry());
            }
        }
        return places;
    }

    RecordedMainWindow window;
};

TEST_F(MainWindowResize, TheWindowOpensAtItsDesignedSizeLaidOutByTheRules) {
    EXPECT_EQ(window.form.outerSize(), QSize(786, 600));
    EXPECT_EQ(geometryOf(QStringLiteral("Image38")).width(), 220);
    EXPECT_EQ(geometryOf(QStringLiteral("Panel4")), QRect(760, 3, 10, 511));
    EXPECT_EQ(geometryOf(QStringLiteral("Panel7")).width(), 113);
    EXPECT_EQ(geometryOf(QStringLiteral("Panel5")).topLeft(), QPoint(10, 480));
    EXPECT_EQ(geometryOf(QStringLiteral("Panel6")).height(), 9);
    EXPECT_EQ(geometryOf(QStringLiteral("Barra_verde")).width(), 751);
    EXPECT_EQ(geometryOf(QStringLiteral("Panel2")).height(), 543);
    EXPECT_EQ(geometryOf(QStringLiteral("Panel3")).top(), 499);
    EXPECT_EQ(geometryOf(QStringLiteral("PgInicio")), QRect(5, 123, 750, 356));
    for (int i = 0; i < kSectionPages.size(); ++i) {
        EXPECT_EQ(geometryOf(kSectionPages.at(i)), QRect(5, 123, 750, 356));
        EXPECT_EQ(geometryOf(kSectionTrees.at(i)), QRect(200, 120, 545, 226));
    }
    EXPECT_EQ(geometryOf(QStringLiteral("PApresentacao")), QRect(192, 136, 553, 337));
    const QObjectList& stacking = window.form.centralWidget()->children();
    EXPECT_EQ(stacking.first()->objectName(), QStringLiteral("Panel7")) << "sent to the back";
    EXPECT_EQ(stacking.last()->objectName(), QStringLiteral("Panel6")) << "brought to the front";
}

TEST_F(MainWindowResize, GrowingBy100By50MovesTheEdgesAndGrowsPagesAndTrees) {
    const QHash<QString, QRect> before = snapshot();
    resizeOuter(window.form, {886, 650});
    const QHash<QString, QRect> after = snapshot();

    EXPECT_EQ(after[QStringLiteral("Panel4")],
              before[QStringLiteral("Panel4")].translated(100, 0).adjusted(0, 0, 0, 50));
    EXPECT_EQ(after[QStringLiteral("Panel5")],
              before[QStringLiteral("Panel5")].translated(100, 50));
    EXPECT_EQ(after[QStringLiteral("Panel3")], before[QStringLiteral("Panel3")].translated(0, 50));
    EXPECT_EQ(after[QStringLiteral("Image38")].width(), 320);
    EXPECT_EQ(after[QStringLiteral("Barra_verde")].width(), 851);
    EXPECT_EQ(after[QStringLiteral("PgInicio")].size(), QSize(850, 406));
    for (int i = 0; i < kSectionPages.size(); ++i) {
        EXPECT_EQ(after[kSectionPages.at(i)], QRect(5, 123, 850, 406));
        EXPECT_EQ(after[kSectionTrees.at(i)], QRect(200, 120, 645, 276));
    }
    // The header, the tabs, the presentation and each page's search row stay.
    for (const QString& name :
         {QStringLiteral("Image1"), QStringLiteral("Image2"), QStringLiteral("Image9"),
          QStringLiteral("Image21"), QStringLiteral("RlBuscaGeral"), QStringLiteral("RlCiclos"),
          QStringLiteral("BtCiclos"), QStringLiteral("PApresentacao"),
          QStringLiteral("TApresentacao"), QStringLiteral("Panel1"), QStringLiteral("Nav2"),
          QStringLiteral("Edit3"), QStringLiteral("TBox"), QStringLiteral("Tavik2"),
          QStringLiteral("Edit9"), QStringLiteral("ComboBox3"), QStringLiteral("Tavik5"),
          QStringLiteral("Tavik19"), QStringLiteral("TotModelos")}) {
        EXPECT_EQ(after[name], before[name]) << name.toStdString();
    }
}

TEST_F(MainWindowResize, AtOrBelowTheThresholdsEverythingKeepsItsLastPlace) {
    resizeOuter(window.form, {886, 650});
    const QHash<QString, QRect> grown = snapshot();
    resizeOuter(window.form, {770, 600});
    EXPECT_EQ(snapshot(), grown);
    resizeOuter(window.form, {786, 540});
    EXPECT_EQ(snapshot(), grown);
    resizeOuter(window.form, {771, 541});
    EXPECT_EQ(window.find<QWidget>(QStringLiteral("PgJulgados"))->size(), QSize(735, 297));
}

}  // namespace
}  // namespace corvanel
