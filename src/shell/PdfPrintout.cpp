#include "PdfPrintout.h"

#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

#include <algorithm>

namespace corvanel::PdfPrintout {

namespace {

QString writeFile(const QByteArray& pdf, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(pdf) != pdf.size() || !file.commit()) {
        return QStringLiteral("Não foi possível gravar \"%1\": %2").arg(path, file.errorString());
    }
    return {};
}

QString drawPages(const QByteArray& pdf, QPrinter& printer, int maxDpi) {
    const auto unprintable = [] { return QStringLiteral("Não foi possível imprimir a página."); };
    // The PDF reader reads files; the page's PDF goes there only for it.
    QTemporaryFile file;
    if (!file.open() || file.write(pdf) != pdf.size() || !file.flush()) {
        return unprintable();
    }
    QPdfDocument document;
    if (document.load(file.fileName()) != QPdfDocument::Error::None || document.pageCount() == 0) {
        return unprintable();
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return unprintable();
    }
    const int dpi = std::min(printer.resolution(), maxDpi);
    // The PDF already holds the margins: each page fills the whole sheet.
    const QRectF sheet = printer.paperRect(QPrinter::DevicePixel);
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0 && !printer.newPage()) {
            return unprintable();
        }
        const QSizeF points = document.pagePointSize(page);
        const QSize pixels = (points * dpi / 72.0).toSize();
        const QImage image = document.render(page, pixels);
        if (image.isNull()) {
            return unprintable();
        }
        const QRectF target(sheet.topLeft() - printer.pageRect(QPrinter::DevicePixel).topLeft(),
                            sheet.size());
        painter.drawImage(target, image);
    }
    return painter.end() ? QString() : unprintable();
}

}  // namespace

QString print(const QByteArray& pdf, QPrinter& printer) {
    if (pdf.isEmpty()) {
        return QStringLiteral("Não foi possível preparar a impressão da página.");
    }
    // The preview records what is drawn as pictures of its own.
    if (printer.paintEngine() != nullptr &&
        printer.paintEngine()->type() == QPaintEngine::Picture) {
        return drawPages(pdf, printer, kPreviewDpi);
    }
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        return writeFile(pdf, printer.outputFileName());
    }
    return drawPages(pdf, printer, kPrinterDpi);
}

}  // namespace corvanel::PdfPrintout
