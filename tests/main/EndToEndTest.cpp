#include "AboutWindow.h"
#include "AssociationWindow.h"
#include "CategoryTree.h"
#include "CorvanelApplication.h"
#include "DocumentViewer.h"
#include "MainWindowTesting.h"
#include "PictureButton.h"
#include "RecordingPrinter.h"
#include "ResultListWindow.h"
#include "TestCollection.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::card;
using testing::click;
using testing::RecordingPrinter;
using testing::RecordingPrompts;
using testing::TestCollection;
using testing::utf8;

TEST(EndToEnd, ACategoryOfLegislacaoListsOpensAndPrintsItsDocument) {
    RecordingPrompts prompts;
    RecordingPrinter printer;
    TestCollection collection(
        {card(7, utf8("Estatuto da Criança e do Adolescente"), QStringLiteral("Lei 8.069/90"),
              QStringLiteral("B"), QStringLiteral("B02 B06"))});
    QDir(collection.contentFolder()).mkpath(QStringLiteral("textos"));
    QFile page(collection.contentFolder() + QStringLiteral("textos/7.htm"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write(
        "<script>if (location.search == '?op=Imprimir') onload = function () { print(); };"
        "</script>Lei 8.069");
    page.close();

    CorvanelApplication corvanel(collection.programFolder());
    corvanel.start();
    MainWindow& form = *corvanel.mainWindow();
    click(form.findChild<PictureButton*>(QStringLiteral("RlLegislacao")));
    auto* tree = form.findChild<CategoryTree*>(QStringLiteral("TLegislacao"));
    QTreeWidgetItem* saude = testing::nodeAt(tree, 7);
    ASSERT_EQ(saude->text(0), utf8("Direito à Vida e à Saúde"));
    saude->parent()->setExpanded(true);
    testing::doubleClick(tree->viewport(), tree->visualItemRect(saude).center());

    ResultListWindow& results = *corvanel.resultList();
    ASSERT_TRUE(results.isVisible());
    EXPECT_EQ(results.scopeField()->text(), utf8("Legislação"));
    ASSERT_EQ(results.lineKeys().value(0), QStringLiteral("7"));
    const QRect row = results.resultList()->visualRect(results.resultList()->model()->index(0, 0));
    testing::doubleClick(results.resultList()->viewport(), row.center());

    DocumentViewer& viewer = *corvanel.viewer();
    ASSERT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.pageName(), QStringLiteral("7"));
    click(viewer.findChild<PictureButton*>(QStringLiteral("Bt_imprimir")));
    EXPECT_TRUE(QTest::qWaitFor([&printer] { return printer.asked > 0; }, 60000));

    // The main window's own ways into the viewer and the other windows.
    click(form.findChild<PictureButton*>(QStringLiteral("Tavik1")));
    EXPECT_EQ(viewer.pageName(), QStringLiteral("help"));
    click(form.findChild<QWidget*>(QStringLiteral("Image9")));
    EXPECT_TRUE(corvanel.associationWindow()->isVisible());
    form.findChild<QAction*>(QStringLiteral("EquipedeDesenvolvimento1"))->trigger();
    EXPECT_TRUE(corvanel.aboutWindow()->isVisible());
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join(u'\n').toStdString();
}

}  // namespace
}  // namespace corvanel
