#include "CommandLine.h"
#include "TestFiles.h"

#include <SearchIndex.h>
#include <Sqlite.h>

#include <QTemporaryDir>
#include <QTextStream>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace corvanel::collection {
namespace {

struct Outcome {
    int code;
    QString out;
    QString err;
};

Outcome run(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const int code = runCommandLine(arguments, outStream, errStream);
    outStream.flush();
    errStream.flush();
    return {code, out, err};
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        QDir().mkpath(folder_.filePath(QStringLiteral("conteudo")));
        testfiles::writeFile(catalogue(), "{\"cod\": 1, \"conteudo\": \"um\"}\n");
    }

    QString catalogue() const { return folder_.filePath(QStringLiteral("catalogue.jsonl")); }
    QString content() const { return folder_.filePath(QStringLiteral("conteudo")); }
    QString output() const { return folder_.filePath(QStringLiteral("db3.mdb")); }

    QTemporaryDir folder_;
};

TEST_F(CommandLine, UsageErrorsExitWithTwoAndBuildNothing) {
    const QString c = QStringLiteral("--catalogue");
    const QString o = QStringLiteral("--out");
    const QString d = QStringLiteral("--content");
    const QList<QStringList> wrong{
        {},
        {QStringLiteral("montar")},
        {QStringLiteral("build"), c, catalogue(), d, content()},
        {QStringLiteral("build"), c, catalogue(), d, content(), o},
        {QStringLiteral("build"), c, catalogue(), d, content(), o, output(), QStringLiteral("-x")},
        {QStringLiteral("build"), c, catalogue(), d, content(), o, output(), o, output()},
        {QStringLiteral("build"), c, catalogue(), d, content(), o, output(), QStringLiteral("a")},
    };
    for (const QStringList& arguments : wrong) {
        const Outcome result = run(arguments);
        EXPECT_EQ(result.code, 2) << qPrintable(arguments.join(u' '));
        EXPECT_TRUE(result.err.contains(u"Uso: corvanel-collection build"));
        EXPECT_FALSE(QFile::exists(output()));
    }
}

TEST_F(CommandLine, BuildsAndReports) {
    const Outcome result =
        run({QStringLiteral("build"), QStringLiteral("--catalogue=") + catalogue(),
             QStringLiteral("--content"), content(), QStringLiteral("--out"), output(),
             QStringLiteral("--root"), QStringLiteral("/media/cdrom/")});
    EXPECT_EQ(result.code, 0) << qPrintable(result.err);
    EXPECT_TRUE(result.out.contains(u"1 documentos")) << qPrintable(result.out);
    EXPECT_TRUE(QFile::exists(output()));
}

TEST_F(CommandLine, BuildFailureExitsWithOneAndSaysWhere) {
    testfiles::writeFile(catalogue(), "{\"cod\": 1, \"conteudo\": \"um\"}\n{\"cod\": 1}\n");
    const Outcome result =
        run({QStringLiteral("build"), QStringLiteral("--catalogue"), catalogue(),
             QStringLiteral("--content"), content(), QStringLiteral("--out"), output()});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(catalogue() + QStringLiteral(":2: \"cod\" repetido")))
        << qPrintable(result.err);
    EXPECT_FALSE(QFile::exists(output()));
}

TEST_F(CommandLine, RefusedOutputExitsWithOneAndIsLeftAsItWas) {
    const QString fifo = folder_.filePath(QStringLiteral("fila.mdb"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    const Outcome result =
        run({QStringLiteral("build"), QStringLiteral("--catalogue"), catalogue(),
             QStringLiteral("--content"), content(), QStringLiteral("--out"), fifo});
    EXPECT_EQ(result.code, 1);
    EXPECT_TRUE(result.err.contains(
        QStringLiteral("erro: a saída \"%1\" não é um arquivo comum: é um FIFO").arg(fifo)))
        << qPrintable(result.err);
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
}

TEST_F(CommandLine, ReindexAddsTheSearchIndexToACollectionBuiltWithoutIt) {
    ASSERT_EQ(run({QStringLiteral("build"), QStringLiteral("--catalogue"), catalogue(),
                   QStringLiteral("--content"), content(), QStringLiteral("--out"), output()})
                  .code,
              0);
    const auto indexed = [&] {
        sqlite::Connection db(output(), sqlite::OpenMode::ReadOnly);
        return SearchIndex::isPresent(db);
    };
    ASSERT_TRUE(indexed());
    sqlite::Connection(output(), sqlite::OpenMode::ReadWrite)
        .executeScript(
            "DROP TABLE SEARCH_TRIGRAMS; DROP TABLE SEARCH_DIGEST; DROP TABLE TITLE_ORDER");
    ASSERT_FALSE(indexed());

    const Outcome result = run({QStringLiteral("reindex"), folder_.path()});
    EXPECT_EQ(result.code, 0) << qPrintable(result.err);
    EXPECT_EQ(result.out, QStringLiteral("db3.mdb: índice de busca montado\n"));
    EXPECT_TRUE(indexed());
    sqlite::Connection db(output(), sqlite::OpenMode::ReadOnly);
    EXPECT_EQ(SearchIndex::matchingTextRows(db, "um").size(), 1u);

    for (const QStringList& wrong : QList<QStringList>{
             {QStringLiteral("reindex")},
             {QStringLiteral("reindex"), output(), output()},
             {QStringLiteral("reindex"), output(), QStringLiteral("--out"), output()}}) {
        EXPECT_EQ(run(wrong).code, 2) << qPrintable(wrong.join(u' '));
    }
    const Outcome missing =
        run({QStringLiteral("reindex"), folder_.filePath(QStringLiteral("nada"))});
    EXPECT_EQ(missing.code, 1);
    EXPECT_TRUE(missing.err.contains(u"não existe")) << qPrintable(missing.err);
    testfiles::writeFile(catalogue(), "não é um banco de dados");
    const Outcome notACollection = run({QStringLiteral("reindex"), catalogue()});
    EXPECT_EQ(notACollection.code, 1);
    EXPECT_TRUE(notACollection.err.contains(u"índice de busca")) << qPrintable(notACollection.err);
}

}  // namespace
}  // namespace corvanel::collection
