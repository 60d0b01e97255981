#pragma once

#include <QDate>
#include <QString>

class QMimeData;

namespace corvanel {

// Where a passage comes from, as a citation names it.
struct CitationSource {
    QString title;           // the document's
    QString collectionName;  // the collection's
    QString edition;         // the collection's, as it names itself
    QDate date;              // when it was read
};

// "Copiar com referência": a passage followed by where it comes from, in a
// form a petition can paste.
namespace CitationCopy {

// The passage in quotes, its paragraphs kept, then "Fonte: title.
// collection, edition. Consultado em 7 de dezembro de 2026." Empty parts
// are left out.
QString plainText(const QString& passage, const CitationSource& source);
// The same with the title as a heading and the passage as a quotation;
// every text escaped, the page's markup never copied.
QString html(const QString& passage, const CitationSource& source);

// Both flavours, for the clipboard.
QMimeData* mimeData(const QString& passage, const CitationSource& source);

}  // namespace CitationCopy

}  // namespace corvanel
