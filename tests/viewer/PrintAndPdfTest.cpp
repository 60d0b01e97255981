#include "RecordingPrinter.h"
#include "RecordingPrompts.h"
#include "ViewerTesting.h"

#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QWebEngineView>

#include "QtPrinters.h"

namespace corvanel {
namespace {

using testing::RecordingPrinter;
using testing::RecordingPrompts;
using testing::ViewerWithPages;

const QByteArray kDecision =
    "<!DOCTYPE html><meta charset=\"iso-8859-1\"><title>Decis\xe3o</title><body>"
    "<p>A guarda compartilhada atende ao melhor interesse da crian\xe7"
    "a.</p>"
    "<script>if (location.search == '?op=Imprimir') onload = function () { print(); };"
    "</script></body>";

// What a poppler tool says of a file; empty when it fails.
QString poppler(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0) {
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintAndPdf : public ViewerWithPages {
protected:
    PrintAndPdf() { writePage(QStringLiteral("J07"), kDecision); }

    // Saves the page shown as a PDF at path (none: the dialog is cancelled)
    // and waits for the result.
    QString saveAsPdf(const QString& path) {
        prompts.saveAnswer = path;
        QSignalSpy finished(&viewer, &DocumentViewer::pdfFinished);
        viewer.saveAsPdf();
        if (path.isEmpty()) {
            EXPECT_FALSE(finished.wait(200));
            return {};
        }
        EXPECT_TRUE(finished.wait(60000));
        return finished.value(0).value(1).toString();
    }

    QTemporaryDir saved_;
    RecordingPrompts prompts;
};

TEST_F(PrintAndPdf, APdfCarriesThePagesTextOnA4AndIsWrittenWhole) {
    openAndWait(QStringLiteral("J07"));
    const QString path = saved_.filePath(QStringLiteral("decisao.pdf"));
    EXPECT_TRUE(saveAsPdf(path).isEmpty());
    // The page's title names the file.
    EXPECT_TRUE(prompts.saveDialogs.value(0).endsWith(u"/Decisão.pdf|Salvar como PDF (*.pdf)"))
        << prompts.saveDialogs.value(0).toStdString();
    const QString text = poppler(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    EXPECT_TRUE(text.simplified().contains(
        u"A guarda compartilhada atende ao melhor interesse da criança."))
        << text.toStdString();
    EXPECT_TRUE(poppler(QStringLiteral("pdfinfo"), {path}).contains(u"(A4)"));
    EXPECT_EQ(QDir(saved_.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("decisao.pdf")});
    EXPECT_TRUE(prompts.errors.isEmpty());

    // The next PDF is offered in the folder saved to, under its page's name.
    prompts.saveDialogs.clear();
    openAndWait(QStringLiteral("J07"));
    saveAsPdf(QString());
    EXPECT_EQ(prompts.saveDialogs.value(0),
              saved_.filePath(QStringLiteral("Decisão.pdf")) + u"|Salvar como PDF (*.pdf)");
}

TEST_F(PrintAndPdf, APdfThatCannotBeWrittenSaysWhyAsTheSaveDoes) {
    openAndWait(QStringLiteral("J07"));
    const QString path = saved_.filePath(QStringLiteral("falta/decisao.pdf"));
    const QString problem = saveAsPdf(path);
    EXPECT_TRUE(problem.startsWith(u"Cannot create file \"" + path + u"\". "))
        << problem.toStdString();
    EXPECT_EQ(prompts.errors, QStringList{problem});
    EXPECT_TRUE(QDir(saved_.path()).isEmpty());
}

TEST_F(PrintAndPdf, CtrlPPrintsAsTheButtonDoesAndThePreviewDrawsThePage) {
    RecordingPrinter printer(saved_.filePath(QStringLiteral("impresso.pdf")));
    openAndWait(QStringLiteral("J07"));
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QSignalSpy printed(viewer.browser(), &PageBrowser::printed);
    QTest::keyClick(&viewer, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(viewer.browser()->lastAddress().endsWith(u"J07.htm?op=Imprimir"));
    ASSERT_TRUE(printed.wait(60000));
    EXPECT_EQ(printer.asked, 1);
    EXPECT_TRUE(printed.value(0).value(0).toBool());
    // Printed to a file, the page keeps its text.
    EXPECT_TRUE(poppler(QStringLiteral("pdftotext"),
                        {saved_.filePath(QStringLiteral("impresso.pdf")), QStringLiteral("-")})
                    .simplified()
                    .contains(u"melhor interesse da criança"));

    openAndWait(QStringLiteral("J07"));
    QTest::keyClick(&viewer, Qt::Key_P, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(printer.previews, 1);
    EXPECT_GT(QFileInfo(saved_.filePath(QStringLiteral("impresso.pdf.preview.pdf"))).size(), 0);
    EXPECT_TRUE(prompts.errors.isEmpty());
}

// The real preview draws every page of the page's own PDF.
TEST_F(PrintAndPdf, ThePreviewShowsEveryPageOfTheDocument) {
    QByteArray statute = "<!DOCTYPE html><meta charset=\"utf-8\"><title>ECA</title><body>";
    for (int article = 1; article <= 150; ++article) {
        statute += "<p>Art. " + QByteArray::number(article) + ". Texto do artigo.</p>";
    }
    writePage(QStringLiteral("ECA"), statute + "</body>");
    openAndWait(QStringLiteral("ECA"));
    // The same page set-up printed to a file.
    const QString path = saved_.filePath(QStringLiteral("eca.pdf"));
    QPrinter file(QPrinter::HighResolution);
    file.setOutputFormat(QPrinter::PdfFormat);
    file.setOutputFileName(path);
    ASSERT_TRUE(viewer.browser()->printNow(&file));
    const QString info = poppler(QStringLiteral("pdfinfo"), {path});
    const qsizetype pagesAt = info.indexOf(u"Pages:");
    ASSERT_GE(pagesAt, 0) << info.toStdString();
    const int pages = info.mid(pagesAt + 6).section(u'\n', 0, 0).trimmed().toInt();
    ASSERT_GT(pages, 1);

    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewWidget preview(&printer);
    QObject::connect(&preview, &QPrintPreviewWidget::paintRequested, &preview,
                     [&](QPrinter* target) { EXPECT_TRUE(viewer.browser()->printNow(target)); });
    preview.updatePreview();
    EXPECT_EQ(preview.pageCount(), pages);
    EXPECT_TRUE(prompts.errors.isEmpty());
}

}  // namespace
}  // namespace corvanel
