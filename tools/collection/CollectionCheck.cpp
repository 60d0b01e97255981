#include "CollectionCheck.h"

#include "BuildError.h"
#include "CategoryTables.h"
#include "CollectionBuild.h"
#include "ConnectionString.h"
#include "DatabaseError.h"
#include "Sections.h"
#include "Sqlite.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <optional>

namespace corvanel::collection {

namespace {

struct CardFacts {
    qint64 cod = 0;
    QString titulo;
    QString sessao;
    QString categoria;
};

QList<CardFacts> readCards(const QString& databasePath) {
    QList<CardFacts> cards;
    try {
        sqlite::Connection db(databasePath, sqlite::OpenMode::ReadOnly);
        sqlite::Statement rows(db,
                               "select cod, titulo, sessao, categoria from LABELS order by rowid");
        while (rows.step()) {
            cards.append({rows.int64(0), rows.text(1), rows.text(2), rows.text(3)});
        }
    } catch (const DatabaseError& error) {
        throw BuildError(QStringLiteral("o banco \"%1\" não pôde ser lido: %2")
                             .arg(QDir::toNativeSeparators(databasePath), error.message()));
    }
    return cards;
}

QString documentName(const CardFacts& card) {
    return QStringLiteral("documento %1 (\"%2\")").arg(card.cod).arg(card.titulo);
}

void checkCard(const CardFacts& card, const QString& folder, const CheckOptions& options,
               QStringList& problems) {
    if (!card.sessao.isEmpty() && sectionOfCard(card.sessao) == nullptr) {
        problems << QStringLiteral(
                        "%1: a seção \"%2\" não existe no programa; o documento não "
                        "aparece em lista alguma")
                        .arg(documentName(card), card.sessao);
    }
    if (!options.allowUnknownCodes) {
        for (const QString& code : categories::categoryCodesOf(card.categoria)) {
            if (!categories::isKnownCategoryCode(code)) {
                problems << QStringLiteral("%1: a categoria \"%2\" não existe no programa")
                                .arg(documentName(card), code);
            }
        }
    }
    const QString page = pagePath(folder, card.cod);
    if (!QFileInfo(page).isFile()) {
        problems << QStringLiteral("%1: falta a página %2")
                        .arg(documentName(card), QDir(folder).relativeFilePath(page));
    }
}

// A local link's target as a path relative to the page's folder; none for
// links that leave the file system (web, mail, scripts) or stay in the page.
std::optional<QString> localTarget(const QString& link) {
    QString target = link.trimmed();
    const qsizetype cut = target.indexOf(QRegularExpression(QStringLiteral("[?#]")));
    if (cut >= 0) {
        target.truncate(cut);
    }
    if (target.isEmpty()) {
        return std::nullopt;
    }
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch() && !target.startsWith(u"file:", Qt::CaseInsensitive)) {
        return std::nullopt;
    }
    return QUrl::fromPercentEncoding(target.toUtf8()).replace(u'\\', u'/');
}

void checkLinks(const QString& pagePath, const QDir& collection, QStringList& problems) {
    QFile page(pagePath);
    if (!page.open(QIODevice::ReadOnly)) {
        problems
            << QStringLiteral("%1: não pôde ser lida").arg(collection.relativeFilePath(pagePath));
        return;
    }
    // Bytes as Latin-1: the markup around the links is ASCII in any encoding.
    const QString html = QString::fromLatin1(page.readAll());
    static const QRegularExpression linkPattern(
        QStringLiteral("\\b(?:href|src)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s>]+))"),
        QRegularExpression::CaseInsensitiveOption);
    const QString where = collection.relativeFilePath(pagePath);
    const QDir pageFolder = QFileInfo(pagePath).dir();
    const QString inside = collection.canonicalPath() + u'/';
    for (const QRegularExpressionMatch& match : linkPattern.globalMatch(html)) {
        const QString link = match.captured(1) + match.captured(2) + match.captured(3);
        const std::optional<QString> target = localTarget(link);
        if (!target) {
            continue;
        }
        if (target->startsWith(u"file:", Qt::CaseInsensitive) || target->startsWith(u'/')) {
            problems << QStringLiteral(
                            "%1: o link \"%2\" é um endereço absoluto e não acompanha "
                            "a coleção quando ela muda de pasta")
                            .arg(where, link);
            continue;
        }
        const QFileInfo file(pageFolder.filePath(*target));
        if (!file.exists()) {
            problems << QStringLiteral("%1: o link \"%2\" leva a %3, que não existe")
                            .arg(where, link, collection.relativeFilePath(file.absoluteFilePath()));
        } else if (!QString(file.canonicalFilePath() + u'/').startsWith(inside)) {
            problems
                << QStringLiteral("%1: o link \"%2\" leva para fora da coleção").arg(where, link);
        }
    }
}

}  // namespace

CheckReport checkCollection(const QString& folder, const CheckOptions& options) {
    const QDir collection(folder);
    const QString databasePath = collection.filePath(kDatabaseFileName.toString());
    if (!QFileInfo(folder).isDir()) {
        throw BuildError(QStringLiteral("\"%1\" não é uma pasta").arg(folder));
    }
    if (!QFileInfo(databasePath).isFile()) {
        throw BuildError(QStringLiteral("a pasta \"%1\" não tem o arquivo %2 de uma coleção")
                             .arg(folder, kDatabaseFileName));
    }
    CheckReport report;
    for (const CardFacts& card : readCards(databasePath)) {
        checkCard(card, folder, options, report.problems);
        ++report.cards;
    }
    for (const QString& missing : missingFixedFiles(folder)) {
        report.problems << QStringLiteral("%1: falta este arquivo fixo do programa").arg(missing);
    }
    QStringList pages;
    for (const QString& pattern : {QStringLiteral("*.htm"), QStringLiteral("*.html")}) {
        for (const QString& name : collection.entryList({pattern}, QDir::Files)) {
            pages << collection.filePath(name);
        }
    }
    QDirIterator textos(collection.filePath(QStringLiteral("textos")),
                        {QStringLiteral("*.htm"), QStringLiteral("*.html")}, QDir::Files,
                        QDirIterator::Subdirectories);
    while (textos.hasNext()) {
        pages << textos.next();
    }
    pages.sort();
    for (const QString& page : pages) {
        checkLinks(page, collection, report.problems);
        ++report.pagesRead;
    }
    return report;
}

}  // namespace corvanel::collection
