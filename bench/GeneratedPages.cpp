#include "GeneratedPages.h"

#include "BuildError.h"
#include "ContentAddress.h"
#include "ContentFiles.h"

#include <QFile>

namespace corvanel::bench {

namespace {

void appendEscaped(QByteArray& html, const QString& text) {
    html += text.toHtmlEscaped().toUtf8();
}

QByteArray pageStart(const QString& title) {
    QByteArray html =
        "<!DOCTYPE html>\n<html lang=\"pt-BR\">\n<head>\n<meta charset=\"utf-8\">\n<title>";
    appendEscaped(html, title);
    html += "</title>\n</head>\n<body>\n<h1>";
    appendEscaped(html, title);
    html += "</h1>\n";
    return html;
}

constexpr const char* kPageEnd = "</body>\n</html>\n";

// One paragraph per line of text.
void appendParagraphs(QByteArray& html, const QString& text) {
    QString escaped = text.trimmed().toHtmlEscaped();
    escaped.replace(u'\n', QStringLiteral("</p>\n<p>"));
    html += "<p>";
    html += escaped.toUtf8();
    html += "</p>\n";
}

}  // namespace

GeneratedPages::GeneratedPages(const QString& contentRoot) : root_(contentRoot) {
    if (!root_.mkpath(QStringLiteral("textos"))) {
        throw collection::BuildError(
            QStringLiteral("não foi possível criar a pasta %1")
                .arg(QDir::toNativeSeparators(root_.filePath(QStringLiteral("textos")))));
    }
}

void GeneratedPages::write(const collection::Card& card) const {
    QByteArray html = pageStart(card.titulo);
    html.reserve(html.size() + 200 + card.texts.size() * 12000);
    html += "<p class=\"sub\">";
    appendEscaped(html, card.subtitulo);
    html += "</p>\n";
    for (const QString& text : card.texts) {
        appendParagraphs(html, text);
    }
    html += kPageEnd;
    save(u"textos/" + ContentAddress::documentPageName(card.cod) + u".htm", html);
}

void GeneratedPages::writeFixedFiles() const {
    for (const ContentFiles::FixedFile& file : ContentFiles::fixedFiles()) {
        if (file.path == ContentAddress::kMarkerFileName) {
            save(file.path,
                 QStringLiteral("Corvanel - coleção gerada para as medições\n").toUtf8());
            continue;
        }
        QByteArray html = pageStart(file.purpose);
        appendParagraphs(html, QStringLiteral("Página fixa de uma coleção gerada."));
        html += kPageEnd;
        save(file.path, html);
    }
}

void GeneratedPages::save(const QString& relativePath, const QByteArray& bytes) const {
    const QString path = root_.filePath(relativePath);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        throw collection::BuildError(QStringLiteral("não foi possível gravar %1: %2")
                                         .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
}

}  // namespace corvanel::bench
