#pragma once

#include <QPageLayout>
#include <QString>

#include <functional>

class QWebEngineView;

namespace corvanel::PagePdf {

// A4, portrait, with the margins a printed page has.
QPageLayout a4Layout();

// Has view make a PDF of the page it shows, its text kept as text, and
// writes it to path as a whole or not at all. Returns at once; done gets
// the problem in the words the user reads, or an empty text.
void write(QWebEngineView& view, const QString& path,
           std::function<void(const QString& problem)> done);

}  // namespace corvanel::PagePdf
