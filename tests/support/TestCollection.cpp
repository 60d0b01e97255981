#include "TestCollection.h"

#include "Catalogue.h"
#include "CollectionWriter.h"
#include "ConnectionString.h"
#include "FoldedRows.h"
#include "Sqlite.h"

#include <QDir>
#include <QFile>

#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace corvanel::testing {

TestCard card(qint64 cod, const QString& titulo, const QString& subtitulo, const QString& sessao,
              const QString& categoria, const QString& pchave, const QStringList& texts) {
    TestCard result;
    result.cod = cod;
    result.titulo = titulo;
    result.subtitulo = subtitulo;
    result.sessao = sessao;
    result.categoria = categoria;
    result.pchave = pchave;
    result.texts = texts;
    return result;
}

QList<TestCard> fixtureCards(const QString& catalogueName) {
    QList<TestCard> cards;
    for (const collection::CatalogueEntry& entry :
         collection::readCatalogue(QStringLiteral(CORVANEL_TEST_FIXTURES "/") + catalogueName,
                                   {.allowUnknownCodes = true})) {
        cards << entry.card;
    }
    return cards;
}

void keepFoldedTextCopy(const QString& databasePath) {
    sqlite::Connection db(databasePath, sqlite::OpenMode::ReadWrite);
    std::vector<std::pair<std::int64_t, std::string>> rows;
    SearchIndex::readAllFoldedRows(
        db, [&](std::int64_t row, std::string_view folded) { rows.emplace_back(row, folded); });
    db.executeScript(R"sql(
DROP TABLE SEARCH_TRIGRAMS;
DROP TABLE SEARCH_DIGEST;
CREATE TABLE SEARCH_TEXT (row INTEGER PRIMARY KEY, folded TEXT NOT NULL);
CREATE VIRTUAL TABLE SEARCH_TRIGRAMS USING fts5(
    folded, content = 'SEARCH_TEXT', content_rowid = 'row',
    tokenize = 'trigram case_sensitive 1', detail = full
);
)sql");
    sqlite::Statement insert(db, "insert into SEARCH_TEXT (row, folded) values (?, ?)");
    for (const auto& [row, folded] : rows) {
        insert.bind(1, row);
        insert.bindUtf8(2, folded);
        insert.step();
        insert.reset();
    }
    db.executeScript("INSERT INTO SEARCH_TRIGRAMS (SEARCH_TRIGRAMS) VALUES ('rebuild')");
}

TestCollection::TestCollection(const QList<TestCard>& cards) : TestCollection(cards, Options()) {}

TestCollection::TestCollection(const QList<TestCard>& cards, const Options& options) {
    if (!dir_.isValid() || !QDir(dir_.path()).mkpath(QStringLiteral("programa")) ||
        !QDir(dir_.path()).mkpath(QStringLiteral("conteudo/textos"))) {
        throw std::runtime_error("cannot prepare the test collection's folders");
    }
    if (options.withMarkerFile) {
        QFile marker(contentFolder() + QStringLiteral("labels.dat"));
        if (!marker.open(QIODevice::WriteOnly)) {
            throw std::runtime_error("cannot write the marker file");
        }
    }
    collection::writeCollection(databasePath(), cards, options.root.value_or(contentFolder()));
    if (options.withSearchIndex && options.withFoldedTextCopy) {
        keepFoldedTextCopy(databasePath());
    }

    if (!options.withRootRow || !options.withSearchIndex || !options.withShortStringIndex) {
        sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadWrite);
        if (!options.withRootRow) {
            db.executeScript("DELETE FROM CONTROLE");
        }
        if (!options.withSearchIndex) {
            db.executeScript(
                "DROP TABLE SEARCH_TRIGRAMS; DROP TABLE SEARCH_DIGEST; DROP TABLE TITLE_ORDER;"
                "DROP TABLE SEARCH_SHORT; DROP TABLE TEXT_OPENINGS");
        } else if (!options.withShortStringIndex) {
            db.executeScript("DROP TABLE SEARCH_SHORT");
        }
    }
}

QString TestCollection::programFolder() const {
    return dir_.path() + QStringLiteral("/programa");
}

QString TestCollection::databasePath() const {
    return programFolder() + QStringLiteral("/db3.mdb");
}

QString TestCollection::contentFolder() const {
    return dir_.path() + QStringLiteral("/conteudo/");
}

QString TestCollection::connectionString() const {
    return connectionStringFor(programFolder());
}

}  // namespace corvanel::testing
