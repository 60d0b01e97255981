#include "CollectionBuild.h"

#include "BuildError.h"
#include "Catalogue.h"
#include "CollectionWriter.h"
#include "ContentFiles.h"
#include "FileKind.h"
#include "InputFile.h"
#include "OutputFile.h"
#include "PageText.h"

#include <QDir>
#include <QFileInfo>

namespace corvanel::collection {

namespace {

QString pageTextOf(const QString& cataloguePath, const CatalogueEntry& entry,
                   const QString& contentDir) {
    const QString path = QDir::toNativeSeparators(pagePath(contentDir, entry.card.cod));
    const QString where =
        cataloguePath + u':' + QString::number(entry.line) +
        QStringLiteral(": documento %1: a página \"%2\" ").arg(entry.card.cod).arg(path);
    QByteArray html;
    try {
        html = readRegularFile(path);
    } catch (const UnreadableFile& fault) {
        throw BuildError(where + fault.reason +
                         (fault.missing
                              ? QStringLiteral(" (o catálogo não dá \"conteudo\" para ele)")
                              : QString()));
    }
    // A link out of the content folder would put a file of the publisher's
    // machine into the collection.
    const QString resolved = QFileInfo(path).canonicalFilePath();
    if (!resolved.isEmpty() && !resolved.startsWith(QDir(contentDir).canonicalPath() + u'/')) {
        throw BuildError(where +
                         QStringLiteral("é um link simbólico que leva para fora da pasta de "
                                        "conteúdo"));
    }
    try {
        return pageText(html);
    } catch (const PageTextError& error) {
        throw BuildError(where + u"não pôde ser lida até o fim: " + error.reason());
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
    const QString notFolder = notAFolder(fileStatus(options.contentDir, Links::Follow));
    if (!notFolder.isEmpty()) {
        throw BuildError(QStringLiteral("a pasta de conteúdo \"%1\" %2")
                             .arg(QDir::toNativeSeparators(options.contentDir), notFolder));
    }
    requireReplaceableOutput(options.outputPath);
    requireOutputApartFromInputs(options.outputPath, options.cataloguePath, options.contentDir);
    // The whole catalogue is checked before anything is written or any page read.
    const QList<CatalogueEntry> entries =
        readCatalogue(options.cataloguePath, {.allowUnknownCodes = options.allowUnknownCodes});

    BuildReport report;
    report.root = options.root.isEmpty() ? defaultRoot(options.contentDir) : options.root;
    CollectionWriter writer(options.outputPath, report.root, options.edition.trimmed());
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
    report.missingFixedFiles = missingFixedFiles(options.contentDir);
    return report;
}

QStringList missingFixedFiles(const QString& contentDir) {
    QStringList missing;
    const QDir folder(contentDir);
    for (const ContentFiles::FixedFile& file : ContentFiles::fixedFiles()) {
        if (!QFileInfo(folder.filePath(file.path)).isFile()) {
            missing << file.path;
        }
    }
    return missing;
}

}  // namespace corvanel::collection
