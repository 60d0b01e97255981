#pragma once

#include <QString>
#include <QStringList>

namespace corvanel::collection {

struct BuildOptions {
    QString cataloguePath;
    QString contentDir;
    QString outputPath;
    QString root;       // empty: defaultRoot(contentDir)
    QString edition{};  // the catalogue's edition line; empty: none
    bool allowUnknownCodes = false;
};

struct BuildReport {
    int cards = 0;
    int textRows = 0;
    int pagesRead = 0;
    QString root;
    // The fixed files (marker, start page, help...) the content folder lacks,
    // relative to it: the collection builds, but the program misses them.
    QStringList missingFixedFiles;
};

// Builds the database at options.outputPath from the catalogue; a card
// without "conteudo" takes the text of contentDir/textos/<cod>.htm. Throws
// BuildError, leaving outputPath untouched.
BuildReport build(const BuildOptions& options);

// The absolute path of contentDir with a closing separator.
QString defaultRoot(const QString& contentDir);

// The fixed files of ContentFiles that contentDir lacks, relative to it.
QStringList missingFixedFiles(const QString& contentDir);

// Where the page of document cod lies in contentDir.
QString pagePath(const QString& contentDir, qint64 cod);

}  // namespace corvanel::collection
