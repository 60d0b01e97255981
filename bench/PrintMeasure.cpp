// Printing a long page, as the viewer prints it and as the page engine's own
// raster print did, one way per run so that /usr/bin/time -v reports each
// one's peak memory:
//   corvanel-bench-print MODE PAGE.htm OUT.pdf
// MODE: file (print to a PDF file), preview (the print preview's pages),
// and raster-file, raster-preview (the engine's picture of every page at the
// printer's resolution, as before). Prints the seconds taken.
#include "PageBrowser.h"
#include "PageEngineSetUp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QSignalSpy>
#include <QTextStream>
#include <QUrl>

#include <cstdio>

namespace {

using corvanel::PageBrowser;

// The engine's own print onto printer, waited for.
bool printRaster(PageBrowser& browser, QPrinter* printer) {
    QEventLoop loop;
    bool printed = false;
    QObject::connect(&browser, &QWebEngineView::printFinished, &loop, [&](bool success) {
        printed = success;
        loop.quit();
    });
    browser.print(printer);
    loop.exec();
    return printed;
}

}  // namespace

int main(int argc, char* argv[]) {
    corvanel::bench::preparePageEngine();
    QApplication application(argc, argv);
    QTextStream out(stdout);
    if (argc != 4) {
        out << "uso: corvanel-bench-print file|preview|raster-file|raster-preview PAGINA SAIDA\n";
        return 2;
    }
    const QString mode = QString::fromLocal8Bit(argv[1]);
    PageBrowser browser;
    browser.resize(800, 600);
    QSignalSpy loaded(&browser, &QWebEngineView::loadFinished);
    browser.load(
        QUrl::fromLocalFile(QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()));
    if (!loaded.wait(60000) || !loaded.value(0).value(0).toBool()) {
        out << "a página não carregou\n";
        return 1;
    }

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromLocal8Bit(argv[3]));
    const bool raster = mode.startsWith(u"raster-");
    QElapsedTimer timer;
    timer.start();
    bool printed = false;
    if (mode.endsWith(u"preview")) {
        QPrintPreviewWidget preview(&printer);
        QObject::connect(
            &preview, &QPrintPreviewWidget::paintRequested, &preview, [&](QPrinter* target) {
                printed = raster ? printRaster(browser, target) : browser.printNow(target);
            });
        preview.updatePreview();
        out << "páginas na prévia: " << preview.pageCount() << '\n';
    } else {
        printed = raster ? printRaster(browser, &printer) : browser.printNow(&printer);
    }
    out << mode << ": " << (printed ? "impresso" : "falhou") << " em "
        << QString::number(timer.elapsed() / 1000.0, 'f', 2) << " s\n";
    return printed ? 0 : 1;
}
