#include "CitationCopy.h"

#include <QLocale>
#include <QMimeData>
#include <QStringList>

namespace corvanel::CitationCopy {

namespace {

QStringList paragraphs(const QString& passage) {
    QStringList kept;
    for (const QString& line : passage.split(u'\n')) {
        // Selections carry the page's non-breaking spaces and tabs.
        const QString paragraph = line.simplified();
        if (!paragraph.isEmpty()) {
            kept << paragraph;
        }
    }
    return kept;
}

QString sourceLine(const CitationSource& source) {
    QStringList parts;
    if (!source.title.trimmed().isEmpty()) {
        parts << source.title.simplified() + u'.';
    }
    QStringList collection;
    for (const QString& part : {source.collectionName, source.edition}) {
        if (!part.trimmed().isEmpty()) {
            collection << part.simplified();
        }
    }
    if (!collection.isEmpty()) {
        parts << collection.join(QStringLiteral(", ")) + u'.';
    }
    if (source.date.isValid()) {
        parts << QStringLiteral("Consultado em %1.")
                     .arg(QLocale(QLocale::Portuguese, QLocale::Brazil)
                              .toString(source.date, QStringLiteral("d 'de' MMMM 'de' yyyy")));
    }
    return QStringLiteral("Fonte: ") + parts.join(u' ');
}

}  // namespace

QString plainText(const QString& passage, const CitationSource& source) {
    return u'“' + paragraphs(passage).join(u'\n') + QStringLiteral("”\n\n") + sourceLine(source);
}

QString html(const QString& passage, const CitationSource& source) {
    QString text = QStringLiteral("<meta charset=\"utf-8\">");
    if (!source.title.trimmed().isEmpty()) {
        text += QStringLiteral("<h3>%1</h3>").arg(source.title.simplified().toHtmlEscaped());
    }
    text += QStringLiteral("<blockquote>");
    for (const QString& paragraph : paragraphs(passage)) {
        text += QStringLiteral("<p>%1</p>").arg(paragraph.toHtmlEscaped());
    }
    return text + QStringLiteral("</blockquote><p>%1</p>").arg(sourceLine(source).toHtmlEscaped());
}

QMimeData* mimeData(const QString& passage, const CitationSource& source) {
    auto* data = new QMimeData;
    data->setText(plainText(passage, source));
    data->setHtml(html(passage, source));
    return data;
}

}  // namespace corvanel::CitationCopy
