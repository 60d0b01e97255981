#include "CollectionCheck.h"

#include "BuildError.h"
#include "CategoryTables.h"
#include "CollectionBuild.h"
#include "ConnectionString.h"
#include "DatabaseError.h"
#include "DatabasePassword.h"
#include "FoldedRows.h"
#include "Schema.h"
#include "SearchIndex.h"
#include "Sections.h"
#include "ShortStringIndex.h"
#include "Sqlite.h"
#include "WordIndex.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <set>
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

// A stored root the program would take for the whole file system or a part
// of the system's own is never a collection's folder.
void checkStoredRoot(const QString& stored, QStringList& problems) {
    // Folders that are the system's own, with all they hold ...
    static const QStringList systemTrees{
        QStringLiteral("/bin"),  QStringLiteral("/boot"), QStringLiteral("/dev"),
        QStringLiteral("/etc"),  QStringLiteral("/lib"),  QStringLiteral("/lib64"),
        QStringLiteral("/proc"), QStringLiteral("/root"), QStringLiteral("/run"),
        QStringLiteral("/sbin"), QStringLiteral("/sys")};
    // ... and folders that hold collections only below them.
    static const QStringList systemFolders{QStringLiteral("/"), QStringLiteral("/usr"),
                                           QStringLiteral("/var"), QStringLiteral("/home")};
    if (!stored.startsWith(u'/')) {
        return;  // relative, or a Windows drive of the earlier program
    }
    const QString canonical = QFileInfo(stored).canonicalFilePath();
    const QString folder = QDir::cleanPath(canonical.isEmpty() ? stored : canonical);
    const bool inSystemTree = std::any_of(
        systemTrees.cbegin(), systemTrees.cend(),
        [&](const QString& tree) { return folder == tree || folder.startsWith(tree + u'/'); });
    if (inSystemTree || systemFolders.contains(folder)) {
        problems << QStringLiteral(
                        "db3.mdb: a raiz de conteúdo guardada \"%1\" é uma pasta do "
                        "sistema, não a de uma coleção")
                        .arg(stored);
    }
}

// The places of TITLE_ORDER: each rank once, from 0 without gaps, each
// text row once and with its own card.
int misplacedTitles(sqlite::Connection& db) {
    sqlite::Statement places(
        db,
        "select count(*) - count(distinct rank), count(*) - count(distinct row),"
        " (coalesce(max(rank), -1) + 1 - count(*)) + abs(coalesce(min(rank), 0))"
        " from TITLE_ORDER");
    places.step();
    sqlite::Statement stray(db,
                            "select count(*) from TITLE_ORDER R left join TEXTOS T on T.rowid = "
                            "R.row where T.rowid is null or T.cod_texto is not R.cod");
    stray.step();
    return static_cast<int>(places.int64(0) + places.int64(1) + std::abs(places.int64(2)) +
                            stray.int64(0));
}

// One of the index's FTS5 tables, and how check speaks of it.
struct FullTextTable {
    const char* name;
    QString unchecked;  // %1: why
    QString damaged;    // %1: the engine's message
};

const FullTextTable& trigramTable() {
    static const FullTextTable table{
        "SEARCH_TRIGRAMS",
        QStringLiteral("db3.mdb: os trigramas do índice de busca não puderam ser conferidos (%1)"),
        QStringLiteral("db3.mdb: os trigramas do índice de busca não correspondem ao texto "
                       "indexado (%1); \"corvanel-collection reindex\" os refaz")};
    return table;
}

const FullTextTable& wordTable() {
    static const FullTextTable table{
        "SEARCH_WORDS",
        QStringLiteral("db3.mdb: as palavras do índice de busca não puderam ser conferidas (%1)"),
        QStringLiteral("db3.mdb: as palavras do índice de busca estão danificadas (%1); "
                       "\"corvanel-collection reindex\" as refaz")};
    return table;
}

// FTS5 checks its index (against SEARCH_TEXT too where a collection keeps
// it) only through a write statement; it changes nothing, and is rolled
// back all the same. The problem found, if any.
QString fullTextProblem(const QString& databasePath, const FullTextTable& table) {
    try {
        sqlite::Connection db(databasePath, sqlite::OpenMode::ReadWrite);
        if (db.isReadOnly()) {
            return table.unchecked.arg(QStringLiteral("o arquivo é somente leitura"));
        }
        db.executeScript("BEGIN");
        try {
            const std::string check = std::string("INSERT INTO ") + table.name + " (" + table.name +
                                      ", rank) VALUES ('integrity-check', 1)";
            db.executeScript(check.c_str());
        } catch (const DatabaseError& error) {
            db.executeScript("ROLLBACK");
            return (sqlite::isDamaged(error) ? table.damaged : table.unchecked)
                .arg(error.engineMessage());
        }
        db.executeScript("ROLLBACK");
    } catch (const DatabaseError& error) {
        return table.unchecked.arg(error.engineMessage());
    }
    return {};
}

// The text rows whose searchable text differs from what the index holds
// for them (or that it lacks), plus the index's rows of no text row. The
// index holds a digest of each row's text, or in a collection indexed
// earlier the folded text itself.
int staleIndexRows(sqlite::Connection& db) {
    const bool copy = SearchIndex::hasFoldedTextTable(db);
    const std::string indexed = copy ? SearchIndex::kFoldedTextTable : "SEARCH_DIGEST";
    sqlite::Statement rows(db, "select L.titulo, L.pchave, L.subtitulo, T.conteudo, S." +
                                   std::string(copy ? "folded" : "digest") +
                                   ", T.rowid from TEXTOS T join LABELS L on L.cod = T.cod_texto "
                                   "left join " +
                                   indexed + " S on S.row = T.rowid");
    std::set<std::int64_t> stale;
    int withIndexRow = 0;
    std::string expected;
    while (rows.step()) {
        expected.clear();
        SearchIndex::appendRowText(rows.utf8(0), rows.utf8(1), rows.utf8(2), rows.utf8(3),
                                   expected);
        withIndexRow += rows.isNull(4) ? 0 : 1;
        const bool same =
            !rows.isNull(4) &&
            (copy ? rows.utf8(4) == expected : rows.int64(4) == SearchIndex::rowDigest(expected));
        if (!same) {
            stale.insert(rows.int64(5));
        }
    }
    if (SearchIndex::hasTextOpenings(db)) {
        const std::vector<std::int64_t> openings = SearchIndex::staleTextOpenings(db);
        stale.insert(openings.begin(), openings.end());
    }
    sqlite::Statement counts(
        db, "select (select count(*) from " + indexed + "), (select count(*) from TITLE_ORDER)");
    counts.step();
    return static_cast<int>(stale.size()) + static_cast<int>(counts.int64(0) - withIndexRow) +
           static_cast<int>(std::abs(counts.int64(1) - counts.int64(0)));
}

// The entries of SEARCH_SHORT that differ from what the rows' text gives.
int staleShortStrings(sqlite::Connection& db) {
    ShortStringIndex expected(SearchIndex::lastTextRow(db));
    SearchIndex::readAllFoldedRows(
        db, [&](std::int64_t row, std::string_view folded) { expected.add(row, folded); });
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
        const int staleRows = staleIndexRows(db);
        if (staleRows > 0) {
            problems << QStringLiteral(
                            "db3.mdb: o índice de busca não corresponde aos textos em %1 "
                            "linha(s); \"corvanel-collection reindex\" o refaz")
                            .arg(staleRows);
        }
        if (const int misplaced = misplacedTitles(db); misplaced > 0) {
            problems << QStringLiteral(
                            "db3.mdb: a ordem dos títulos do índice de busca não corresponde aos "
                            "textos em %1 posição(ões); \"corvanel-collection reindex\" a refaz")
                            .arg(misplaced);
        }
        for (const FullTextTable* table : {&trigramTable(), &wordTable()}) {
            if (table == &wordTable() && !WordIndex::isPresent(db)) {
                continue;  // indexed before the words were
            }
            if (const QString problem = fullTextProblem(databasePath, *table); !problem.isEmpty()) {
                problems << problem;
            }
        }
        if (!SearchIndex::hasShortStrings(db)) {
            problems << QStringLiteral(
                "db3.mdb: falta a parte do índice de busca que acha as palavras de uma ou "
                "duas letras (o índice foi montado por uma versão anterior; sem ela essas "
                "buscas leem todos os textos); \"corvanel-collection reindex\" a acrescenta");
        } else if (const int stale = staleRows > 0 ? 0 : staleShortStrings(db); stale > 0) {
            // Compared with the texts as they are now: texts changed since
            // indexing were told above, and reindex mends both.
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
    // A link in the page's place is reported with the pages.
    if (!QFileInfo(page).isFile() && !QFileInfo(page).isSymLink()) {
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

// The one script the collection's pages carry: a page prints itself when
// opened with "?op=Imprimir".
constexpr QStringView kPrintScript =
    u"if (/(^|[?&])op=Imprimir(&|$)/.test(location.search)) window.addEventListener('load', "
    u"function () { window.print(); });";

// Any other script, an event handler, a "javascript:" address or a
// redirection by meta refresh is reported once; the scripts are taken out
// of the text, so that their code is never read as links.
QString withoutScripts(const QString& html, const QString& where, QStringList& problems) {
    static const QRegularExpression scriptElement(
        QStringLiteral("<script\\b([^>]*)>(.*?)</script\\s*>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression otherScript(
        QStringLiteral("<[^>]*\\son[a-z]+\\s*=|javascript\\s*:|<script\\b"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression refresh(
        QStringLiteral("<meta\\b[^>]*http-equiv\\s*=\\s*[\"']?\\s*refresh"),
        QRegularExpression::CaseInsensitiveOption);
    QString rest = html;
    bool scripted = false;
    for (const QRegularExpressionMatch& script : scriptElement.globalMatch(html)) {
        scripted |=
            !script.captured(1).trimmed().isEmpty() || script.captured(2).trimmed() != kPrintScript;
    }
    rest.remove(scriptElement);
    if (scripted || otherScript.match(rest).hasMatch()) {
        problems << QStringLiteral("%1: a página tem um script").arg(where);
    }
    if (refresh.match(rest).hasMatch()) {
        problems << QStringLiteral("%1: a página redireciona a outro endereço (meta refresh)")
                        .arg(where);
    }
    return rest;
}

void checkLinks(const QString& pagePath, const QDir& collection, QStringList& problems) {
    const QFileInfo pageFile(pagePath);
    if (pageFile.isSymLink()) {
        const QString target = pageFile.canonicalFilePath();
        const bool inside =
            !target.isEmpty() && target.startsWith(collection.canonicalPath() + u'/');
        problems << QStringLiteral("%1: a página é um link simbólico%2")
                        .arg(collection.relativeFilePath(pagePath),
                             inside ? QString() : QStringLiteral(" que leva para fora da coleção"));
        return;
    }
    if (!pageFile.isFile()) {
        problems << QStringLiteral("%1: não é um arquivo comum")
                        .arg(collection.relativeFilePath(pagePath));
        return;
    }
    QFile page(pagePath);
    if (!page.open(QIODevice::ReadOnly)) {
        problems
            << QStringLiteral("%1: não pôde ser lida").arg(collection.relativeFilePath(pagePath));
        return;
    }
    // Bytes as Latin-1: the markup around the links is ASCII in any encoding.
    const QString html = withoutScripts(QString::fromLatin1(page.readAll()),
                                        collection.relativeFilePath(pagePath), problems);
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

// What the program relies on before it reads a row: an undamaged file, the
// builder's schema, the program's password, row numbers it can size by, and
// a content root that is a folder of the collection's own. False when the
// rows cannot be trusted to be read at all.
bool checkDatabase(const QString& databasePath, QStringList& problems) {
    try {
        sqlite::Connection db(databasePath, sqlite::OpenMode::ReadOnly);
        db.executeScript("PRAGMA query_only = 1");
        sqlite::Statement quickCheck(db, "PRAGMA quick_check(1)");
        if (quickCheck.step() && quickCheck.text(0) != u"ok") {
            problems << QStringLiteral("db3.mdb: o arquivo está danificado (%1)")
                            .arg(quickCheck.text(0));
            return false;
        }
        if (const QString difference = Schema::differenceFromBuilt(db); !difference.isEmpty()) {
            problems
                << QStringLiteral("db3.mdb: não é uma coleção do Corvanel (%1)").arg(difference);
            return false;
        }
        if (!DatabasePassword::matches(db, Schema::programPassword())) {
            problems << QStringLiteral(
                "db3.mdb: a senha guardada não é a do programa, que não abre a coleção");
        }
        SearchIndex::lastTextRow(db);
        sqlite::Statement root(db, "select tipo from CONTROLE where topo = 1");
        if (root.step()) {
            checkStoredRoot(root.text(0), problems);
        }
    } catch (const DatabaseError& error) {
        problems << QStringLiteral("db3.mdb: não pôde ser lido: %1").arg(error.message());
        return false;
    }
    return true;
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
    if (checkDatabase(databasePath, report.problems)) {
        for (const CardFacts& card : readCards(databasePath)) {
            checkCard(card, folder, options, report.problems);
            ++report.cards;
        }
        checkSearchIndex(databasePath, report.problems);
    }
    for (const QString& missing : missingFixedFiles(folder)) {
        report.problems << QStringLiteral("%1: falta este arquivo fixo do programa").arg(missing);
    }
    QStringList pages;
    for (const QString& pattern : {QStringLiteral("*.htm"), QStringLiteral("*.html")}) {
        for (const QString& name : collection.entryList({pattern}, QDir::Files | QDir::System)) {
            pages << collection.filePath(name);
        }
    }
    QDirIterator textos(collection.filePath(QStringLiteral("textos")),
                        {QStringLiteral("*.htm"), QStringLiteral("*.html")},
                        QDir::Files | QDir::System, QDirIterator::Subdirectories);
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
