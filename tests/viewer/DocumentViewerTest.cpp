#include "DocumentViewer.h"

#include "LayoutNames.h"
#include "PageBrowser.h"
#include "PictureButton.h"
#include "RecordingPrinter.h"
#include "RecordingPrompts.h"

#include <QDir>
#include <QFile>
#include <QFrame>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::RecordingPrinter;

// A page as the collection may hold it: its own charset, CRLF, a NUL byte.
constexpr char kPageBytes[] = "<meta charset=\"iso-8859-1\">\r\nProte\xe7\xe3o\0integral";
const QByteArray kPage(kPageBytes, sizeof kPageBytes - 1);
const QString kFilter = QStringLiteral("|Salvar como Página da Web (*.htm)");

class Viewer : public ::testing::Test {
protected:
    Viewer() {
        QDir(content_.path()).mkdir(QStringLiteral("textos"));
        write(contentRoot + QStringLiteral("textos/101.htm"), kPage);
        viewer.setContentRootSource([this] { return contentRoot; });
    }

    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }
    static QByteArray read(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(none)");
    }
    QString address(const QString& rest) const {
        return u"file://localhost/" + contentRoot + u"textos\\" + rest;
    }
    void open(const QString& page, SaveBufferOnOpen buffer = SaveBufferOnOpen::Empty) {
        viewer.openPage(contentRoot, page, buffer);
    }
    void click(const QString& button, const QString& dialogAnswer = QString()) {
        prompts.saveAnswer = dialogAnswer;
        viewer.findChild<PictureButton*>(button)->click();
    }
    // Outer sizes, frame included: the offscreen platform frames windows too.
    void resizeOuter(const QSize& outer) {
        viewer.resize(outer - (viewer.frameGeometry().size() - viewer.size()));
    }
    QStringList savedFiles() const {
        return QDir(saved_.path())
            .entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
    }

    QTemporaryDir content_, saved_;
    QString contentRoot = content_.path() + u'/';
    testing::RecordingPrompts prompts;
    RecordingPrinter printer;
    DocumentViewer viewer;
};

TEST_F(Viewer, OpensCentredThenReplacesThePageKeepingSizeAndPlace) {
    open(QStringLiteral("101"));
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.browser()->lastAddress(), address(QStringLiteral("101.htm")));
    const QPoint screenCentre = viewer.screen()->availableGeometry().center();
    EXPECT_LE((viewer.frameGeometry().center() - screenCentre).manhattanLength(), 1);

    viewer.setGeometry(30, 40, 760, 540);
    const QRect placed = viewer.frameGeometry();
    open(QStringLiteral("help"), SaveBufferOnOpen::Keep);
    EXPECT_EQ(viewer.pageName(), u"help");
    EXPECT_EQ(viewer.browser()->lastAddress(), address(QStringLiteral("help.htm")));
    EXPECT_EQ(viewer.frameGeometry(), placed);

    viewer.close();
    open(QStringLiteral("help"), SaveBufferOnOpen::Keep);
    EXPECT_TRUE(viewer.isVisible());
    EXPECT_EQ(viewer.frameGeometry(), placed);
}

TEST_F(Viewer, CarriesEachOfItsLayoutNamesOnce) {
    QStringList expected;
    for (const char* name :
         {"Image1", "Image2", "Image3", "Panel1", "Bt_Salvar", "Bt_imprimir", "Nav", "Localizar",
          "LocalizarRotulo", "LocalizarTexto", "LocalizarAnterior", "LocalizarProxima",
          "LocalizarContagem", "LocalizarFechar"}) {
        expected << QString::fromLatin1(name);
    }
    expected.sort();
    EXPECT_EQ(viewer.objectName(), u"Form10");
    EXPECT_EQ(testing::layoutNames(viewer), expected);
}

TEST_F(Viewer, ResizingKeepsTheMinimumAndTheBrowserAndGreyPanelFollow) {
    const QFrame* panel = viewer.findChild<QFrame*>(QStringLiteral("Panel1"));
    open(QStringLiteral("101"));
    EXPECT_EQ(viewer.frameGeometry().size(), QSize(700, 506));  // design width 666

    resizeOuter(QSize(600, 400));
    EXPECT_EQ(viewer.frameGeometry().size(), QSize(700, 500));
    EXPECT_EQ(viewer.browser()->geometry(), QRect(7, 48, 674, 410));
    EXPECT_EQ(panel->width(), 434);

    resizeOuter(QSize(1000, 720));
    EXPECT_EQ(viewer.browser()->size(), QSize(974, 630));
    EXPECT_EQ(panel->geometry(), QRect(248, 0, 734, 48));
}

TEST_F(Viewer, PrintReloadsThePageShownWithThePrintQueryAndThePagePrintsItself) {
    write(contentRoot + QStringLiteral("textos/L01.htm"),
          "<script>if (location.search == '?op=Imprimir') onload = function () { print(); };"
          "</script>L01");
    open(QStringLiteral("help"), SaveBufferOnOpen::Keep);
    click(QStringLiteral("Bt_imprimir"));
    EXPECT_EQ(viewer.browser()->lastAddress(), address(QStringLiteral("help.htm?op=Imprimir")));

    open(QStringLiteral("L01"));
    click(QStringLiteral("Bt_imprimir"));
    EXPECT_EQ(viewer.browser()->lastAddress(), address(QStringLiteral("L01.htm?op=Imprimir")));
    EXPECT_TRUE(QTest::qWaitFor([this] { return printer.asked > 0; }, 60000));
}

TEST_F(Viewer, SavesThePageByteForByteAndACancelWritesNothing) {
    open(QStringLiteral("101"));
    const QString path = saved_.filePath(QStringLiteral("decisao.htm"));
    write(path, "an older, longer file that the save replaces without asking");
    click(QStringLiteral("Bt_Salvar"), path);
    EXPECT_EQ(read(path), kPage);
    EXPECT_EQ(savedFiles(), QStringList{QStringLiteral("decisao.htm")});
    // A page without a title is offered under its code.
    EXPECT_TRUE(prompts.saveDialogs.value(0).endsWith(u"/101.htm" + kFilter));
    EXPECT_EQ(viewer.saveBuffer(), kPage);

    // Help keeps the buffer, a document empties it.
    open(QStringLiteral("help"), SaveBufferOnOpen::Keep);
    EXPECT_EQ(viewer.saveBuffer(), kPage);
    open(QStringLiteral("101"));
    EXPECT_TRUE(viewer.saveBuffer().isEmpty());

    // The next dialog starts in the folder saved to; cancelling it writes nothing.
    ASSERT_TRUE(QFile::remove(path));
    click(QStringLiteral("Bt_Salvar"));
    EXPECT_EQ(prompts.saveDialogs.value(1), saved_.filePath(QStringLiteral("101.htm")) + kFilter);
    EXPECT_TRUE(savedFiles().isEmpty());
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(Viewer, ANameWithoutAnExtensionIsSavedAsAPage) {
    open(QStringLiteral("101"));
    click(QStringLiteral("Bt_Salvar"), saved_.filePath(QStringLiteral("decisao")));
    click(QStringLiteral("Bt_Salvar"), saved_.filePath(QStringLiteral("ponto.")));
    click(QStringLiteral("Bt_Salvar"), saved_.filePath(QStringLiteral("texto.txt")));
    EXPECT_EQ(savedFiles(), (QStringList{QStringLiteral("decisao.htm"), QStringLiteral("ponto.htm"),
                                         QStringLiteral("texto.txt")}));
    EXPECT_EQ(read(saved_.filePath(QStringLiteral("decisao.htm"))), kPage);
    // The dialog offers the document again, never the last file's name.
    click(QStringLiteral("Bt_Salvar"));
    EXPECT_EQ(prompts.saveDialogs.last(), saved_.filePath(QStringLiteral("101.htm")) + kFilter);
}

// Whatever a title holds, the name offered is a plain visible file in the
// folder offered.
TEST(SaveDialogName, IsTheTitleMadeSafeOrTheCode) {
    const QList<std::tuple<QString, QString, QString>> names{
        {QStringLiteral("Estatuto da Criança e do Adolescente"), QStringLiteral("205"),
         QStringLiteral("Estatuto da Criança e do Adolescente.htm")},
        {QStringLiteral("Lei 8.069/90: art. 1º a 6º"), QStringLiteral("205"),
         QStringLiteral("Lei 8.069 90 art. 1º a 6º.htm")},
        {QStringLiteral("  ..\\?*\"<>|\t\n"), QStringLiteral("205"), QStringLiteral("205.htm")},
        {QStringLiteral("../../.bashrc"), QStringLiteral("205"), QStringLiteral("bashrc.htm")},
        {QStringLiteral("Decisão."), QStringLiteral("J07"), QStringLiteral("Decisão.htm")},
        {QString(), QStringLiteral("J07"), QStringLiteral("J07.htm")},
        {QString(), QString(), QStringLiteral("documento.htm")},
        {QString(300, u'a'), QStringLiteral("1"), QString(120, u'a') + u".htm"},
    };
    for (const auto& [title, code, expected] : names) {
        EXPECT_EQ(SaveDialog::fileNameFor(title, code, u".htm"), expected) << title.toStdString();
    }
}

TEST_F(Viewer, ASaveThatCannotBeDoneSaysWhyAndLeavesNothingBehind) {
    open(QStringLiteral("101"));
    const QString folderInTheWay = saved_.filePath(QStringLiteral("pasta.htm"));
    QDir(saved_.path()).mkdir(QStringLiteral("pasta.htm"));
    for (const QString& path : {saved_.filePath(QStringLiteral("falta/a.htm")), folderInTheWay}) {
        prompts.errors.clear();
        click(QStringLiteral("Bt_Salvar"), path);
        const QString said = prompts.errors.value(0);
        EXPECT_TRUE(said.startsWith(u"Cannot create file \"" + path + u"\". "))
            << said.toStdString();
        EXPECT_GT(said.size(), path.size() + 22) << "no reason given";
    }
    EXPECT_EQ(savedFiles(), QStringList{QStringLiteral("pasta.htm")});
    EXPECT_TRUE(QDir(folderInTheWay).isEmpty());
    EXPECT_TRUE(viewer.saveBuffer().isEmpty());

    // A page missing from the content folder is reported before any dialog.
    prompts.saveDialogs.clear();
    open(QStringLiteral("999"));
    click(QStringLiteral("Bt_Salvar"), saved_.filePath(QStringLiteral("b.htm")));
    EXPECT_TRUE(prompts.saveDialogs.isEmpty());
    EXPECT_EQ(prompts.errors.value(1), u"A página \"" + contentRoot +
                                           u"textos/999.htm\" não foi encontrada. Nada foi salvo.");
    EXPECT_EQ(savedFiles(), QStringList{QStringLiteral("pasta.htm")});
}

}  // namespace
}  // namespace corvanel
