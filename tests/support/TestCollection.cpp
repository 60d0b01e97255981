#include "TestCollection.h"

#include "Catalogue.h"
#include "CollectionWriter.h"
#include "ConnectionString.h"
#include "Sqlite.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

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

    if (!options.withRootRow || !options.withSearchIndex || !options.withShortStringIndex) {
        sqlite::Connection db(databasePath(), sqlite::OpenMode::ReadWrite);
        if (!options.withRootRow) {
            db.executeScript("DELETE FROM CONTROLE");
        }
        if (!options.withSearchIndex) {
            db.executeScript(
                "DROP TABLE SEARCH_TRIGRAMS; DROP TABLE SEARCH_TEXT; DROP TABLE TITLE_ORDER;"
                "DROP TABLE SEARCH_SHORT");
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
