#include "CollectionCheck.h"

#include "BuildError.h"
#include "CategoryTables.h"
#include "CollectionBuild.h"
#include "ConnectionString.h"
#include "DatabaseError.h"
#include "SearchIndex.h"
#include "Sections.h"
#include "ShortStringIndex.h"
#include "Sqlite.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <cstdlib>
#include <optional>
#include <string>

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

// The text rows whose searchable text differs from what the index holds
// for them (or that it lacks), plus the index's rows of no text row.
int staleIndexRows(sqlite::Connection& db) {
    sqlite::Statement rows(db,
                           "select L.titulo, L.pchave, L.subtitulo, T.conteudo, S.folded "
                           "from TEXTOS T join LABELS L on L.cod = T.cod_texto "
                           "left join SEARCH_TEXT S on S.row = T.rowid");
    int stale = 0;
    int withIndexRow = 0;
    std::string expected;
    while (rows.step()) {
        expected.clear();
        SearchIndex::appendRowText(rows.utf8(0), rows.utf8(1), rows.utf8(2), rows.utf8(3),
                                   expected);
        withIndexRow += rows.isNull(4) ? 0 : 1;
        if (rows.isNull(4) || rows.utf8(4) != expected) {
            ++stale;
        }
    }
    sqlite::Statement counts(db,
                             "select (select count(*) from SEARCH_TEXT), "
                             "(select count(*) from TITLE_ORDER)");
    counts.step();
    return stale + static_cast<int>(counts.int64(0) - withIndexRow) +
           static_cast<int>(std::abs(counts.int64(1) - counts.int64(0)));
}

// The entries of SEARCH_SHORT that differ from what SEARCH_TEXT gives.
int staleShortStrings(sqlite::Connection& db) {
    sqlite::Statement lastRow(db, "select coalesce(max(row), 0) from SEARCH_TEXT");
    ShortStringIndex expected(lastRow.step() ? lastRow.int64(0) : 0);
    sqlite::Statement rows(db, "select row, folded from SEARCH_TEXT");
    while (rows.step()) {
        expected.add(rows.int64(0), rows.utf8(1));
    }
    return expected.entriesDifferingFrom(db);
}

void checkSearchIndex(const QString& databasePath, QStringList& problems) {
    try {
        sqlite::Connection db(databasePath, sqlite::OpenMode::ReadOnly);
        if (!SearchIndex::isPresent(db)) {
            problems << QStringLiteral(
                "db3.mdb: falta o índice de busca (a coleção foi montada por "
                "uma versão anterior); \"corvanel-collection reindex\" o "
                "acrescenta");
            return;
        }
        // Its texts were folded by other rules: what reindex mends, all of it.
        if (SearchIndex::foldingVersion(db) != SearchIndex::kFoldingVersion) {
            problems << QStringLiteral(
                "db3.mdb: o índice de busca foi montado com as regras de outra versão (as "
                "anteriores não leem como espaço o espaço não separável e os demais espaços do "
                "Unicode); \"corvanel-collection reindex\" o refaz");
            return;
        }
        if (const int stale = staleIndexRows(db); stale > 0) {
            problems << QStringLiteral(
                            "db3.mdb: o índice de busca não corresponde aos textos em %1 "
                            "linha(s); \"corvanel-collection reindex\" o refaz")
                            .arg(stale);
        }
        if (!SearchIndex::hasShortStrings(db)) {
            problems << QStringLiteral(
                "db3.mdb: falta a parte do índice de busca que acha as palavras de uma ou "
                "duas letras (o índice foi montado por uma versão anterior; sem ela essas "
                "buscas leem todos os textos); \"corvanel-collection reindex\" a acrescenta");
        } else if (const int stale = staleShortStrings(db); stale > 0) {
            problems << QStringLiteral(
                            "db3.mdb: a parte do índice de busca que acha as palavras de uma "
                            "ou duas letras não corresponde aos textos em %1 sequência(s) de "
                            "caracteres; \"corvanel-collection reindex\" a refaz")
                            .arg(stale);
        }
    } catch (const DatabaseError& error) {
        problems << QStringLiteral("db3.mdb: o índice de busca não pôde ser lido: %1")
                        .arg(error.message());
    }
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
    checkSearchIndex(databasePath, report.problems);
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
