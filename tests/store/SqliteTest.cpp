#include "DatabaseError.h"
#include "Sqlite.h"
#include "TestCollection.h"

#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel::sqlite {
namespace {

using testing::q;

// The message of the DatabaseError that work raises; empty when none.
template <typename Work>
QString errorOf(Work&& work) {
    try {
        work();
    } catch (const DatabaseError& error) {
        return error.message();
    }
    return {};
}

class SqliteLayer : public ::testing::Test {
protected:
    SqliteLayer() : db(folder.filePath(q("teste.db")), OpenMode::Create) {
        db.executeScript("create table T (n integer, t text, b blob); create table U (k unique)");
    }

    QTemporaryDir folder;
    Connection db;
};

TEST_F(SqliteLayer, BindsByPositionAndByNameAndReadsTypedColumnsBack) {
    Statement insert(db, "insert into T (n, t, b) values (?1, :text, :blob)");
    insert.bind(1, std::int64_t{1} << 40);
    insert.bind(":text", q("d'água; drop table T"));
    insert.bind(":blob", QByteArray("\0\1\2", 3));
    EXPECT_FALSE(insert.step());
    // Run again with other values: a null, an empty text, a null QString.
    insert.reset();
    insert.bind(1, nullptr);
    insert.bind(":text", QString());
    insert.bind(":blob", QByteArray());
    insert.step();

    Statement select(db, "select n, t, b, typeof(t) from T order by rowid");
    ASSERT_TRUE(select.step());
    EXPECT_EQ(select.int64(0), std::int64_t{1} << 40);
    EXPECT_EQ(select.text(1), q("d'água; drop table T"));
    EXPECT_EQ(select.blob(2), QByteArray("\0\1\2", 3));
    ASSERT_TRUE(select.step());
    EXPECT_TRUE(select.isNull(0));
    EXPECT_FALSE(select.isNull(1));  // a null QString is stored as empty text
    EXPECT_EQ(select.text(3), q("text"));
    EXPECT_FALSE(select.isNull(2));
    EXPECT_FALSE(select.step());
}

TEST_F(SqliteLayer, EveryFailureCarriesTheEnginesMessageAfterItsContext) {
    const QString prepare = errorOf([&] { Statement(db, "select * from NAO_EXISTE"); });
    EXPECT_TRUE(prepare.startsWith(q("Erro no comando enviado ao banco de dados: ")));
    EXPECT_TRUE(prepare.contains(q("no such table: NAO_EXISTE"))) << prepare.toStdString();

    Statement one(db, "select ?1");
    const QString bind = errorOf([&] { one.bind(2, q("x")); });
    EXPECT_TRUE(bind.contains(q("valor 2"))) << bind.toStdString();
    EXPECT_TRUE(bind.contains(q("column index out of range"))) << bind.toStdString();
    EXPECT_TRUE(errorOf([&] { one.bind(":nada", 1); }).contains(q("não tem o parâmetro :nada")));

    Statement insert(db, "insert into U (k) values (?)");
    insert.bind(1, 7);
    insert.step();
    insert.reset();
    const QString step = errorOf([&] { insert.step(); });
    EXPECT_TRUE(step.contains(q("UNIQUE constraint failed: U.k"))) << step.toStdString();

    EXPECT_TRUE(errorOf([&] {
                    Statement(db, "delete from T; delete from U");
                }).contains(q("mais de uma instrução")));
    EXPECT_TRUE(errorOf([&] { Statement(db, "  "); }).contains(q("vazio")));
    EXPECT_TRUE(errorOf([&] {
                    db.executeScript("create table T (x)");
                }).contains(q("table T already exists")));
    // A failed statement leaves the connection usable.
    Statement count(db, "select count(*) from U");
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.int64(0), 1);
}

TEST(SqliteConnection, OpeningNamesTheFileAndTheEnginesReason) {
    QTemporaryDir folder;
    const QString missing = folder.filePath(q("nada.db"));
    for (const OpenMode mode : {OpenMode::ReadOnly, OpenMode::ReadWrite}) {
        const QString message = errorOf([&] { Connection(missing, mode); });
        EXPECT_TRUE(message.startsWith(q("Não foi possível abrir o banco de dados \"") + missing))
            << message.toStdString();
        EXPECT_TRUE(message.contains(q("unable to open database file"))) << message.toStdString();
    }
    EXPECT_FALSE(QFile::exists(missing));

    Connection created(missing, OpenMode::Create);
    EXPECT_FALSE(created.isReadOnly());
    created.close();
    EXPECT_TRUE(errorOf([&] { created.executeScript("select 1"); }).contains(q("fechado")));
    EXPECT_TRUE(Connection(missing, OpenMode::ReadOnly).isReadOnly());

    QFile text(missing);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly | QIODevice::Truncate));
    text.write(QByteArray(4096, 'x'));
    text.close();
    Connection notADatabase(missing, OpenMode::ReadOnly);
    try {
        Statement(notADatabase, "select * from sqlite_master");
        ADD_FAILURE() << "prepared on a file that is no database";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(isNotADatabase(error)) << error.message().toStdString();
    }
}

TEST_F(SqliteLayer, FunctionsKeepWhatTheyWorkOutForAConstantArgument) {
    int worked = 0;
    db.defineFunction("doubled_if", 2, [&](FunctionCall& call) {
        const auto* factor = call.keep<std::int64_t>(0, [&] {
            ++worked;
            return std::make_unique<std::int64_t>(call.int64(0) * 2);
        });
        if (factor != nullptr) {
            call.setResult(call.int64(1) < *factor);
        }
    });
    db.executeScript("insert into T (n) values (1), (2), (3), (4), (5)");
    Statement constant(db, "select count(*) from T where doubled_if(:limit, n)");
    constant.bind(":limit", 2);
    ASSERT_TRUE(constant.step());
    EXPECT_EQ(constant.int64(0), 3);
    EXPECT_EQ(worked, 1);  // once for the statement, not once per row

    worked = 0;
    Statement varying(db, "select count(*) from T where doubled_if(n, 6)");
    ASSERT_TRUE(varying.step());
    EXPECT_EQ(varying.int64(0), 2);  // 4 and 5: the value follows the row
    EXPECT_EQ(worked, 5);
}

TEST_F(SqliteLayer, AFunctionsFailureBecomesTheStatementsErrorAndBadDefinitionsAreRefused) {
    db.defineFunction("fails", 1, [](FunctionCall& call) {
        if (call.int64(0) > 1) {
            throw std::runtime_error("valor grande demais");
        }
        call.setNull();
    });
    Statement statement(db, "select fails(1), fails(2)");
    const QString message = errorOf([&] { statement.step(); });
    EXPECT_TRUE(message.contains(q("valor grande demais"))) << message.toStdString();

    const QString refused =
        errorOf([&] { db.defineFunction("demais", 1000, [](FunctionCall&) {}); });
    EXPECT_TRUE(refused.startsWith(q("Não foi possível definir a função demais")))
        << refused.toStdString();
}

TEST_F(SqliteLayer, CollationsOrderAndDefinitionsAreChecked) {
    db.defineCollation("REVERSO",
                       [](std::string_view a, std::string_view b) { return b.compare(a); });
    db.executeScript("insert into T (t) values ('b'), ('a'), ('c')");
    Statement ordered(db, "select t from T order by t collate REVERSO");
    QStringList texts;
    while (ordered.step()) {
        texts << ordered.text(0);
    }
    EXPECT_EQ(texts, (QStringList{q("c"), q("b"), q("a")}));
    // The engine refuses to replace a collation that a running statement uses.
    ordered.reset();
    ASSERT_TRUE(ordered.step());
    const QString refused = errorOf([&] {
        db.defineCollation("REVERSO", [](std::string_view, std::string_view) { return 0; });
    });
    EXPECT_TRUE(refused.startsWith(q("Não foi possível definir a ordem alfabética REVERSO")))
        << refused.toStdString();
}

TEST_F(SqliteLayer, ASavepointUndoesEverythingUnlessReleased) {
    const auto rows = [&] {
        Statement count(db, "select count(*) from U");
        count.step();
        return count.int64(0);
    };
    EXPECT_THROW(
        {
            Savepoint batch(db);
            Statement insert(db, "insert into U (k) values (?)");
            for (const int value : {1, 2, 1}) {
                insert.bind(1, value);
                insert.step();
                insert.reset();
            }
            batch.release();
        },
        DatabaseError);
    EXPECT_EQ(rows(), 0);
    {
        Savepoint batch(db);
        db.executeScript("insert into U (k) values (1), (2)");
        batch.release();
    }
    EXPECT_EQ(rows(), 2);
}

}  // namespace
}  // namespace corvanel::sqlite
