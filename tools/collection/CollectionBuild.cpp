#include "CollectionBuild.h"

#include "BuildError.h"
#include "Catalogue.h"
#include "CollectionWriter.h"
#include "PageText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvanel::collection {

namespace {

QString pageTextOf(const QString& cataloguePath, const CatalogueEntry& entry,
                   const QString& contentDir) {
    const QString path = pagePath(contentDir, entry.card.cod);
    const QString where = cataloguePath + u':' + QString::number(entry.line) +
                          QStringLiteral(": documento %1: ").arg(entry.card.cod);
    if (!QFileInfo(path).isFile()) {
        throw BuildError(where + QStringLiteral("a página \"%1\" não existe (o catálogo não dá "
                                                "\"conteudo\" para ele)")
                                     .arg(QDir::toNativeSeparators(path)));
    }
    QFile page(path);
    if (!page.open(QIODevice::ReadOnly)) {
        throw BuildError(where + QStringLiteral("não foi possível ler a página \"%1\": %2")
                                     .arg(QDir::toNativeSeparators(path), page.errorString()));
    }
    try {
        return pageText(page.readAll());
    } catch (const PageTextError& error) {
        throw BuildError(where + QStringLiteral("a página \"%1\" não pôde ser lida até o fim: %2")
                                     .arg(QDir::toNativeSeparators(path), error.reason()));
    }
}

}  // namespace

QString defaultRoot(const QString& contentDir) {
    QString root = QDir::toNativeSeparators(QDir(contentDir).absolutePath());
    if (!root.endsWith(QDir::separator())) {
        root += QDir::separator();
    }
    return root;
}

QString pagePath(const QString& contentDir, qint64 cod) {
    return QDir(contentDir).filePath(u"textos/" + QString::number(cod) + u".htm");
}

BuildReport build(const BuildOptions& options) {
    if (!QFileInfo(options.contentDir).isDir()) {
        throw BuildError(QStringLiteral("a pasta de conteúdo \"%1\" não existe")
                             .arg(QDir::toNativeSeparators(options.contentDir)));
    }
    // The whole catalogue is checked before anything is written or any page read.
    const QList<CatalogueEntry> entries = readCatalogue(options.cataloguePath);

    BuildReport report;
    report.root = options.root.isEmpty() ? defaultRoot(options.contentDir) : options.root;
    CollectionWriter writer(options.outputPath, report.root);
    for (const CatalogueEntry& entry : entries) {
        if (entry.hasText) {
            writer.add(entry.card);
            report.textRows += static_cast<int>(entry.card.texts.size());
        } else {
            Card card = entry.card;
            card.texts = {pageTextOf(options.cataloguePath, entry, options.contentDir)};
            writer.add(card);
            ++report.pagesRead;
            ++report.textRows;
        }
        ++report.cards;
    }
    writer.commit();
    return report;
}

}  // namespace corvanel::collection
