#include "Database.h"
#include "MatchingFunctions.h"
#include "PortugueseCollation.h"
#include "Sqlite.h"
#include "TestCollection.h"
#include "TextMatching.h"

#include <QFile>
#include <QSet>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <vector>

namespace corvanel {
namespace {

using testing::q;

using testing::TestCollection;

// title, code, subtitle, section, text row
using Row = std::tuple<QString, QString, QString, QString, std::int64_t>;

template <typename Listing>
std::vector<Row> rowsOf(Listing&& listing) {
    std::vector<Row> rows;
    listing([&](const ListedDocument& d) {
        rows.emplace_back(d.title, d.code, d.subtitle, d.section, d.textRow);
    });
    return rows;
}

// Rows of one title keep the engine's order, which no statement fixes: they
// are compared as sets, and the titles in order.
std::vector<Row> withTiesSorted(std::vector<Row> rows) {
    auto run = rows.begin();
    while (run != rows.end()) {
        const auto end = std::find_if(
            run, rows.end(), [&](const Row& row) { return std::get<0>(row) != std::get<0>(*run); });
        std::sort(run, end);
        run = end;
    }
    return rows;
}

std::vector<Row> sorted(std::vector<Row> rows) {
    std::sort(rows.begin(), rows.end());
    return rows;
}

// What the collection's statements found before the store built its own:
// each written out as text with its values between single quotes (a quote
// doubled), ordered by titulo, on a plain connection to a copy of the file
// whose own LABELS2 holds the marks. Codes are matched with the store's LIKE;
// search words with found_in, a plain scan of the field folded for search
// (the words as they are, '%' and '_' included, every run of blanks as one).
class CatalogueStatements {
public:
    explicit CatalogueStatements(const QString& databasePath)
        : connection_(copied(databasePath), sqlite::OpenMode::ReadWrite) {
        MatchingFunctions::defineLike(connection_);
        PortugueseCollation::registerWith(connection_);
        connection_.defineFunction("found_in", 2, [](sqlite::FunctionCall& call) {
            call.setResult(!call.isNull(1) &&
                           searchFolded(call.utf8(1)).find(searchFolded(call.utf8(0))) !=
                               std::string::npos);
        });
    }

    static QString like(const QString& value) { return u"'%" + doubled(value) + u"%'"; }
    static QString literal(const QString& value) { return u"'" + doubled(value) + u"'"; }

    static QString doubled(QString value) { return value.replace(u'\'', q("''")); }

    static QString keywordSearch(const QString& words, const QString& filter = QString()) {
        const QString w = literal(words);
        return u"select titulo, cod, subtitulo, sessao, TEXTOS.rowid from LABELS, TEXTOS where "
               u"(found_in(" +
               w + u", titulo) or found_in(" + w + u", pchave) or found_in(" + w +
               u", subtitulo) or found_in(" + w +
               u", conteudo)) and TEXTOS.cod_texto = LABELS.cod " + filter + u" order by titulo";
    }

    // Each text row of a marked document once, however often it was marked.
    static QString narrowing(const QString& words, int level) {
        const QString w = literal(words);
        return u"select L.titulo, L.cod, L.subtitulo, L.sessao, T.rowid from LABELS L, TEXTOS "
               u"T where (found_in(" +
               w + u", L.titulo) or found_in(" + w + u", L.pchave) or found_in(" + w +
               u", L.subtitulo) or found_in(" + w +
               u", T.conteudo)) and T.cod_texto = L.cod and L.cod in (select cod from LABELS2 "
               u"where ctr=" +
               QString::number(level) + u") order by L.titulo";
    }

    std::vector<Row> rows(const QString& sql) {
        const QByteArray text = sql.toUtf8();
        sqlite::Statement statement(connection_, std::string_view(text.constData(), text.size()));
        std::vector<Row> result;
        while (statement.step()) {
            result.emplace_back(statement.text(0), statement.text(1), statement.text(2),
                                statement.text(3), statement.int64(4));
        }
        return result;
    }

    QStringList column(const QString& sql) {
        const QByteArray text = sql.toUtf8();
        sqlite::Statement statement(connection_, std::string_view(text.constData(), text.size()));
        QStringList result;
        while (statement.step()) {
            result << statement.text(0);
        }
        return result;
    }

    void execute(const QString& sql) { connection_.executeScript(sql.toUtf8().constData()); }

private:
    static QString copied(const QString& path) {
        const QString copy = path + q(".referencia");
        QFile::remove(copy);
        if (!QFile::copy(path, copy)) {
            throw std::runtime_error("cannot copy the collection");
        }
        return copy;
    }

    sqlite::Connection connection_;
};

// Words that find much, little or nothing: quotes, wildcards, blanks, line
// breaks, accents and letter case.
const QStringList& awkwardWords() {
    static const QStringList words{q("lei"),
                                   q("LEI"),
                                   q("educacao"),
                                   q("EDUCAÇÃO"),
                                   q("agua"),
                                   q("d'água"),
                                   q("d'agua"),
                                   q("'"),
                                   q("''"),
                                   q("'; drop table LABELS; --"),
                                   q("') or 1=1 or ('"),
                                   q("%"),
                                   q("_"),
                                   q("100%"),
                                   q("50%"),
                                   q("sublinhado_aqui"),
                                   QString(),
                                   q(" "),
                                   q("ção"),
                                   q("silva, ana"),
                                   q("alvaro"),
                                   q("abrigo"),
                                   q("8o, 2a"),
                                   q("linha\n"),
                                   q("\nsegunda"),
                                   q("marcador"),
                                   q("nada disso"),
                                   q("x'1"),
                                   q("a%o"),
                                   q("O'Brien")};
    return words;
}

class Listings : public ::testing::Test {
protected:
    TestCollection collection{testing::fixtureCards(q("listings.jsonl"))};
    Database db{collection.connectionString()};
    CatalogueStatements before{collection.databasePath()};
};

TEST_F(Listings, KeywordSearchesFindWhatAPlainScanFindsInTitleOrder) {
    struct Scope {
        SearchScope scope;
        QString filter;
    };
    std::vector<Scope> scopes{{SearchScope::allSections(), QString()}};
    for (const char* letter : {"A", "B", "C", "H", "F", "a", "'", ""}) {
        scopes.push_back({SearchScope::section(q(letter)),
                          u"and LABELS.sessao='" + CatalogueStatements::doubled(q(letter)) + u"'"});
    }
    for (const char* code : {"A0", "B06", "X'1", "F06", "%", ""}) {
        scopes.push_back({SearchScope::subcategory(q(code)),
                          u"and LABELS.categoria LIKE " + CatalogueStatements::like(q(code))});
    }
    int found = 0;
    for (const QString& words : awkwardWords()) {
        for (const Scope& scope : scopes) {
            const auto expected = withTiesSorted(
                before.rows(CatalogueStatements::keywordSearch(words, scope.filter)));
            const auto listed =
                rowsOf([&](const auto& h) { db.searchWords(words, scope.scope, h); });
            EXPECT_EQ(withTiesSorted(listed), expected)
                << words.toStdString() << " / " << scope.filter.toStdString();
            found += expected.empty() ? 0 : 1;
        }
    }
    // The words are not all alike: some find rows, some find none.
    EXPECT_GT(found, 40);
    EXPECT_LT(found, static_cast<int>(awkwardWords().size() * scopes.size()) - 40);
}

TEST_F(Listings, CategoryAndCollectionListingsAndAuthorsAreAsBefore) {
    const QString select =
        q("select titulo, cod, subtitulo, sessao, TEXTOS.rowid from LABELS, TEXTOS where ");
    for (const char* category :
         {"A01", "A03", "B02", "C04", "C13", "F06", "X'1", "A", "C", "", "'", "%", "1 C"}) {
        EXPECT_EQ(withTiesSorted(rowsOf([&](const auto& h) { db.listCategory(q(category), h); })),
                  withTiesSorted(before.rows(
                      select + u"categoria LIKE " + CatalogueStatements::like(q(category)) +
                      u" and TEXTOS.cod_texto = LABELS.cod  order by titulo")))
            << category;
    }
    const auto collectionRows = rowsOf([&](const auto& h) { db.listCollection(h); });
    EXPECT_EQ(
        withTiesSorted(collectionRows),
        withTiesSorted(before.rows(select + u"TEXTOS.cod_texto = LABELS.cod order by titulo")));
    EXPECT_GT(collectionRows.size(), 10u);

    QStringList authors;
    db.listAuthors([&](const QString& author) { authors << author; });
    EXPECT_EQ(authors, before.column(q("select distinct subtitulo as autor from LABELS  where "
                                       "sessao ='A' order by subtitulo")));
    EXPECT_GE(authors.size(), 3);
}

TEST_F(Listings, CountsAreThoseOfTheCardsAsBefore) {
    EXPECT_EQ(db.countDocuments(), before.column(q("select * from LABELS")).size());
    for (const char* letter : {"A", "B", "C", "D", "E", "F", "H", "X", "'", "%", "_", "", "0"}) {
        EXPECT_EQ(db.countSection(q(letter)),
                  before
                      .column(u"select * from LABELS where categoria LIKE " +
                              CatalogueStatements::like(q(letter)))
                      .size())
            << letter;
    }
}

// The reference marks a level's documents in its own LABELS2; the store is
// given the same documents to look among.
TEST_F(Listings, NarrowingAndLevelListingsListEachMarkedTextRowOnce) {
    std::map<int, QSet<std::int64_t>> marked;
    const auto mark = [&](const std::vector<Row>& rows, int level) {
        for (const Row& row : rows) {
            marked[level].insert(std::get<1>(row).toLongLong());
            before.execute(u"insert into LABELS2 (cod, ctr) values (" + std::get<1>(row) + u", " +
                           QString::number(level) + u")");
        }
    };
    const auto checkLevel = [&](int level) {
        EXPECT_EQ(sorted(rowsOf([&](const auto& h) { db.narrowWords({}, marked[level], h); })),
                  sorted(before.rows(
                      u"select L.titulo, L.cod, L.subtitulo, L.sessao, T.rowid from LABELS L, "
                      u"TEXTOS T where L.cod = T.Cod_texto and L.cod in (select cod from "
                      u"LABELS2 where ctr =" +
                      QString::number(level) + u")")))
            << "level " << level;
    };
    const auto checkNarrowing = [&](int previous) {
        for (const QString& words : awkwardWords()) {
            EXPECT_EQ(withTiesSorted(rowsOf(
                          [&](const auto& h) { db.narrowWords(words, marked[previous], h); })),
                      withTiesSorted(before.rows(CatalogueStatements::narrowing(words, previous))))
                << words.toStdString() << " after level " << previous;
        }
    };

    mark(rowsOf([&](const auto& h) { db.searchWords(q("a"), SearchScope::allSections(), h); }), -1);
    checkLevel(-1);
    checkNarrowing(-1);
    // A level marked twice still lists each of its text rows once.
    const auto silva = rowsOf([&](const auto& h) { db.narrowWords(q("silva"), marked[-1], h); });
    mark(silva, 0);
    mark(silva, 0);
    checkLevel(0);
    checkNarrowing(0);
}

// A result shown again lists its rows in their order, each text row in its
// first place.
TEST_F(Listings, RowsListedAgainKeepTheirOrderAndNarrowingLooksAmongTheirDocuments) {
    const auto numbers = [](const std::vector<Row>& rows) {
        std::vector<ResultRow> result;
        for (const Row& row : rows) {
            result.push_back({std::get<1>(row).toLongLong(), std::get<4>(row)});
        }
        return result;
    };
    const auto all =
        rowsOf([&](const auto& h) { db.searchWords(q("a"), SearchScope::allSections(), h); });
    ASSERT_GE(all.size(), 6u);
    const std::vector<Row> reversed(all.rbegin(), all.rend());
    const std::vector<Row> firstHalf(all.begin(), all.begin() + all.size() / 2);

    std::vector<ResultRow> twice = numbers(reversed);
    twice.push_back(numbers({all.front()}).front());
    EXPECT_EQ(rowsOf([&](const auto& h) { db.listRows(twice, h); }), reversed);
    EXPECT_EQ(rowsOf([&](const auto& h) { db.listRows(numbers(firstHalf), h); }), firstHalf);

    QSet<std::int64_t> halfDocuments;
    for (const ResultRow& row : numbers(firstHalf)) {
        halfDocuments.insert(row.code);
    }
    EXPECT_EQ(sorted(rowsOf([&](const auto& h) { db.narrowWords(q("a"), halfDocuments, h); })),
              sorted(rowsOf([&](const auto& h) {
                  db.searchWords(q("a"), SearchScope::allSections(), [&](const ListedDocument& r) {
                      if (halfDocuments.contains(r.code.toLongLong())) {
                          h(r);
                      }
                  });
              })));
}

TEST_F(Listings, TheTextStartIsTheBeginningOfTheRowsText) {
    sqlite::Connection plain(collection.databasePath(), sqlite::OpenMode::ReadOnly);
    sqlite::Statement texts(plain, "select rowid, conteudo from TEXTOS");
    int rows = 0;
    while (texts.step()) {
        const QString text = texts.text(1);
        for (const int characters : {1, 10, 4000}) {
            EXPECT_EQ(db.documentTextStart(texts.int64(0), characters), text.left(characters));
        }
        ++rows;
    }
    EXPECT_GT(rows, 10);
}

}  // namespace
}  // namespace corvanel
