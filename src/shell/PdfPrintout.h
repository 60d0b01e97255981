#pragma once

#include <QByteArray>
#include <QString>

class QPrinter;

namespace corvanel::PdfPrintout {

// The resolution pages are drawn at for a printer that cannot take the PDF
// itself: print quality, and a few tens of megabytes a page at most.
inline constexpr int kPrinterDpi = 300;
// What the print preview draws its pages at.
inline constexpr int kPreviewDpi = 96;

// Hands a page's PDF, made by the page engine with printer's page layout, to
// printer. Printing to a PDF file writes the PDF as it is, its text kept as
// text; a real printer gets the pages drawn one at a time at no more than
// kPrinterDpi, a print preview at kPreviewDpi. Returns the problem in the
// words the user reads, or an empty text.
QString print(const QByteArray& pdf, QPrinter& printer);

}  // namespace corvanel::PdfPrintout
