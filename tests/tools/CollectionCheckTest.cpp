#include "BuildError.h"
#include "Catalogue.h"
#include "CategoryTables.h"
#include "CollectionBuild.h"
#include "CollectionCheck.h"
#include "CommandLine.h"
#include "ConnectionString.h"
#include "ContentFiles.h"
#include "Database.h"
#include "ReferenceTables.h"
#include "Reindex.h"
#include "SearchIndex.h"
#include "Sqlite.h"
#include "TestCollection.h"
#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvanel::collection {
namespace {

QString problemOf(const QByteArray& line, const CatalogueRules& rules = {}) {
    try {
        parseCatalogue(line, QStringLiteral("c.jsonl"), rules);
    } catch (const BuildError& error) {
        return error.message();
    }
    return {};
}

TEST(CatalogueCodes, OnlyTheProgramsSectionsAndCategoryCodesAreAccepted) {
    // The codes the trees and filters list, and the gaps of their numbering.
    for (const char* categoria :
         {"A01 B16", "C44", "H01", "F16", "C11", "C43", "  B02\tB12  ", ""}) {
        QByteArray line =
            QByteArray(R"({"cod": 1, "sessao": "B", "categoria": ")") + categoria + "\"}";
        EXPECT_EQ(problemOf(line.replace('\t', "\\t")), QString()) << categoria;
    }
    for (const char* code : {"Q99", "b02", "B17", "F21", "A00", "A1", "A011", "B02,B12", "X"}) {
        const QByteArray line =
            QByteArray(R"({"cod": 1, "sessao": "B", "categoria": "B02 )") + code + "\"}";
        EXPECT_EQ(problemOf(line), QStringLiteral("c.jsonl:1: a categoria \"%1\" não existe no "
                                                  "programa: nenhuma árvore nem filtro a lista "
                                                  "(os códigos estão no README; "
                                                  "--allow-unknown-codes a aceita)")
                                       .arg(QLatin1String(code)));
        EXPECT_EQ(problemOf(line, {.allowUnknownCodes = true}), QString()) << code;
    }
    EXPECT_EQ(problemOf(R"({"cod": 1, "sessao": "F"})"),
              QStringLiteral("c.jsonl:1: \"sessao\" deve ser uma das letras maiúsculas A, B, C, "
                             "D, E ou H, não \"F\""));
}

TEST(CatalogueCodes, EveryListedCodeIsKnownAndTheReadmeCarriesTheProgramsTables) {
    for (const QString& code : categories::listedCategoryCodes()) {
        EXPECT_TRUE(categories::isKnownCategoryCode(code)) << code.toStdString();
    }
    EXPECT_TRUE(categories::knownCategoryCodes().contains(QStringLiteral("C43")));
    const QString readme = QString::fromUtf8(
        testfiles::readFile(QStringLiteral(CORVANEL_SOURCE_DIR "/tools/collection/README.md")));
    const QString begin = QStringLiteral("<!-- corvanel-collection tables: begin -->\n");
    const qsizetype start = readme.indexOf(begin) + begin.size();
    const qsizetype end =
        readme.indexOf(QStringLiteral("<!-- corvanel-collection tables: end -->"));
    ASSERT_GT(start, begin.size());
    EXPECT_EQ(readme.mid(start, end - start), referenceTables())
        << "run corvanel-collection tables and copy its output into the README";
}

// A collection folder made by the builder, with pages that link to one another.
class CheckedCollection : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        for (const ContentFiles::FixedFile& file : ContentFiles::fixedFiles()) {
            testfiles::writeFile(path(file.path), "<html><body>fixo</body></html>");
        }
        testfiles::writeFile(
            path(QStringLiteral("textos/1.htm")),
            "<a href='2.htm#fim'>dois</a> <a href=\"../entrada2.htm?x=1\">início</a>"
            "<img src=imagens/logo%20novo.png> <a href='#topo'>topo</a>"
            "<a href='http://www.exemplo.org/'>web</a> "
            "<a href='mailto:a@b.c'>mail</a>");
        testfiles::writeFile(path(QStringLiteral("textos/imagens/logo novo.png")), "png");
        testfiles::writeFile(path(QStringLiteral("textos/2.htm")),
                             "<A HREF='3.htm'>três</A> <a href='../../fora.htm'>fora</a>"
                             "<a href='file:///media/cdrom/textos/1.htm'>cd</a>"
                             "<a href=\"..\\textos\\1.htm\">barras</a>");
        testfiles::writeFile(folder_.filePath(QStringLiteral("../fora.htm")), "fora");
        testfiles::writeFile(path(QStringLiteral("catalogo.jsonl")),
                             R"({"cod": 1, "titulo": "Um", "sessao": "B", "categoria": "B02"}
{"cod": 2, "titulo": "Dois", "sessao": "C", "categoria": "C43 Q99"}
{"cod": 3, "titulo": "Três", "sessao": "E", "categoria": "E01", "conteudo": "sem página"}
)");
        BuildOptions options;
        options.cataloguePath = path(QStringLiteral("catalogo.jsonl"));
        options.contentDir = folder_.path();
        options.outputPath = path(QStringLiteral("db3.mdb"));
        options.allowUnknownCodes = true;
        ASSERT_TRUE(build(options).missingFixedFiles.isEmpty());
    }
    QString path(const QString& relative) const { return folder_.filePath(relative); }

    // The collection one folder down: the "../fora.htm" beside it is this
    // test's own, whatever tests run at the same time.
    QTemporaryDir outer_;
    QTemporaryDir folder_{outer_.filePath(QStringLiteral("colecao-XXXXXX"))};
};

TEST_F(CheckedCollection, ReportsUnknownCodesMissingPagesAndLinksThatLeadNowhere) {
    const CheckReport report = checkCollection(folder_.path());
    EXPECT_EQ(report.cards, 3);
    // The two documents' pages and the fixed pages (the marker is no page).
    EXPECT_EQ(report.pagesRead, 2 + static_cast<int>(ContentFiles::fixedFiles().size()) - 1);
    EXPECT_EQ(
        report.problems,
        (QStringList{
            QStringLiteral("documento 2 (\"Dois\"): a categoria \"Q99\" não existe no programa"),
            QStringLiteral("documento 3 (\"Três\"): falta a página textos/3.htm"),
            QStringLiteral("textos/2.htm: o link \"3.htm\" leva a textos/3.htm, que não existe"),
            QStringLiteral("textos/2.htm: o link \"../../fora.htm\" leva para fora da coleção"),
            QStringLiteral("textos/2.htm: o link \"file:///media/cdrom/textos/1.htm\" é um "
                           "endereço absoluto e não acompanha a coleção quando ela muda de pasta"),
        }))
        << report.problems.join(u'\n').toStdString();

    const CheckReport allowing = checkCollection(folder_.path(), {.allowUnknownCodes = true});
    EXPECT_EQ(allowing.problems.size(), report.problems.size() - 1);

    QFile::remove(path(QStringLiteral("labels.dat")));
    EXPECT_EQ(missingFixedFiles(folder_.path()), QStringList{QStringLiteral("labels.dat")});
    EXPECT_TRUE(
        checkCollection(folder_.path())
            .problems.contains(QStringLiteral("labels.dat: falta este arquivo fixo do programa")));
}

TEST_F(CheckedCollection, ReportsASearchIndexThatIsMissingOrNoLongerMatchesTheTexts) {
    const auto indexProblems = [this] {
        return checkCollection(folder_.path(), {.allowUnknownCodes = true})
            .problems.filter(QStringLiteral("índice de busca"));
    };
    EXPECT_TRUE(indexProblems().isEmpty());
    {
        sqlite::Connection db(path(QStringLiteral("db3.mdb")), sqlite::OpenMode::ReadWrite);
        db.executeScript("UPDATE TEXTOS SET conteudo = 'outro texto' WHERE cod_texto = 3");
    }
    EXPECT_EQ(indexProblems(), QStringList{QStringLiteral(
                                   "db3.mdb: o índice de busca não corresponde aos textos "
                                   "em 1 linha(s); \"corvanel-collection reindex\" o refaz")});
    {
        sqlite::Connection db(path(QStringLiteral("db3.mdb")), sqlite::OpenMode::ReadWrite);
        db.executeScript(
            "DROP TABLE SEARCH_TRIGRAMS; DROP TABLE SEARCH_DIGEST; DROP TABLE TITLE_ORDER");
    }
    ASSERT_EQ(indexProblems().size(), 1);
    EXPECT_TRUE(
        indexProblems().first().startsWith(QStringLiteral("db3.mdb: falta o índice de busca")));
}

// A collection indexed when the index kept a folded copy of the texts is
// checked against that copy.
TEST_F(CheckedCollection, AnIndexWithItsFoldedCopyOfTheTextsIsCheckedAgainstIt) {
    const QString database = path(QStringLiteral("db3.mdb"));
    const QStringList today = checkCollection(folder_.path(), {.allowUnknownCodes = true}).problems;
    testing::keepFoldedTextCopy(database);
    EXPECT_EQ(checkCollection(folder_.path(), {.allowUnknownCodes = true}).problems, today);
    sqlite::Connection(database, sqlite::OpenMode::ReadWrite)
        .executeScript("UPDATE SEARCH_TEXT SET folded = 'outro texto' WHERE row = 2");
    EXPECT_TRUE(checkCollection(folder_.path(), {.allowUnknownCodes = true})
                    .problems.contains(QStringLiteral(
                        "db3.mdb: o índice de busca não corresponde aos textos em 1 linha(s); "
                        "\"corvanel-collection reindex\" o refaz")));
}

// The short strings' bitmaps are checked against the indexed texts, and
// reindex brings back what an earlier index lacks.
TEST_F(CheckedCollection, ReportsShortStringsOfTheIndexThatAreMissingOrNoLongerMatch) {
    const auto indexProblems = [this] {
        return checkCollection(folder_.path(), {.allowUnknownCodes = true})
            .problems.filter(QStringLiteral("índice de busca"));
    };
    const auto change = [this](const char* sql) {
        sqlite::Connection db(path(QStringLiteral("db3.mdb")), sqlite::OpenMode::ReadWrite);
        db.executeScript(sql);
    };
    // Longer bitmaps hold the same rows: a row number past the last is no row.
    change("UPDATE SEARCH_SHORT SET rows = rows || X'0000'");
    EXPECT_EQ(indexProblems(), QStringList());

    // "u" (in "Um") in no row at all; "zq" in one it lacks.
    change(
        "UPDATE SEARCH_SHORT SET rows = X'00' WHERE chars = X'75';"
        "INSERT INTO SEARCH_SHORT VALUES (X'7a71', X'02')");
    EXPECT_EQ(indexProblems(),
              QStringList{QStringLiteral(
                  "db3.mdb: a parte do índice de busca que acha as palavras de uma ou duas letras "
                  "não corresponde aos textos em 2 sequência(s) de caracteres; "
                  "\"corvanel-collection reindex\" a refaz")});
    reindex(folder_.path());
    EXPECT_EQ(indexProblems(), QStringList());

    change("DROP TABLE SEARCH_SHORT");
    EXPECT_EQ(indexProblems(),
              QStringList{QStringLiteral(
                  "db3.mdb: falta a parte do índice de busca que acha as palavras de uma ou "
                  "duas letras (o índice foi montado por uma versão anterior; sem ela essas "
                  "buscas leem todos os textos); \"corvanel-collection reindex\" a acrescenta")});
    reindex(folder_.path());
    EXPECT_EQ(indexProblems(), QStringList());
    sqlite::Connection db(path(QStringLiteral("db3.mdb")), sqlite::OpenMode::ReadOnly);
    EXPECT_TRUE(SearchIndex::hasShortStrings(db));
}

// An index written before blanks other than U+0020 were blanks carries no
// folding version: the collection opens and searches, check calls the index
// stale, and reindex writes it again by today's rules.
TEST_F(CheckedCollection, AnIndexFoldedByEarlierRulesIsStaleUntilReindexed) {
    const QString database = path(QStringLiteral("db3.mdb"));
    sqlite::Connection(database, sqlite::OpenMode::ReadWrite)
        .executeScript("DROP TABLE SEARCH_FOLDING");
    const auto indexProblems = [this] {
        return checkCollection(folder_.path(), {.allowUnknownCodes = true})
            .problems.filter(QStringLiteral("índice de busca"));
    };
    EXPECT_EQ(indexProblems(),
              QStringList{QStringLiteral(
                  "db3.mdb: o índice de busca foi montado com as regras de outra versão (as "
                  "anteriores não leem como espaço o espaço não separável e os demais espaços do "
                  "Unicode); \"corvanel-collection reindex\" o refaz")});
    {
        Database earlier(connectionStringFor(folder_.path()));
        EXPECT_TRUE(earlier.hasSearchIndex());
        int found = 0;
        earlier.searchWords(QStringLiteral("sem\u00a0página"), SearchScope::allSections(),
                            [&](const ListedDocument&) { ++found; });
        EXPECT_EQ(found, 1);
    }
    reindex(folder_.path());
    EXPECT_EQ(indexProblems(), QStringList());
    sqlite::Connection db(database, sqlite::OpenMode::ReadOnly);
    EXPECT_EQ(SearchIndex::foldingVersion(db), SearchIndex::kFoldingVersion);
}

// A reader in the middle of a read goes on, and the file it reads is never
// written: a reindex stopped at any point leaves it as it was.
TEST_F(CheckedCollection, ReindexWritesANewFileAndLeavesTheOldOneToItsReaders) {
    const QString database = path(QStringLiteral("db3.mdb"));
    sqlite::Connection(database, sqlite::OpenMode::ReadWrite)
        .executeScript(
            "DROP TABLE SEARCH_TRIGRAMS; DROP TABLE SEARCH_DIGEST; DROP TABLE TITLE_ORDER");
    QFile oldFile(database);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
    const QByteArray before = oldFile.readAll();
    sqlite::Connection reader(database, sqlite::OpenMode::ReadOnly);
    reader.executeScript("BEGIN");
    sqlite::Statement cards(reader, "select count(*) from LABELS");
    ASSERT_TRUE(cards.step());

    reindex(folder_.path());
    EXPECT_FALSE(SearchIndex::isPresent(reader));
    ASSERT_TRUE(oldFile.seek(0));
    EXPECT_EQ(oldFile.readAll(), before);
    EXPECT_EQ(QDir(folder_.path()).entryList({QStringLiteral("db3.mdb*")}, QDir::Files),
              QStringList{QStringLiteral("db3.mdb")});
    sqlite::Connection updated(database, sqlite::OpenMode::ReadOnly);
    EXPECT_TRUE(SearchIndex::isPresent(updated));
}

struct Fault {
    const char* name;
    std::function<void(const QString& folder)> make;
    const char* problem;  // one of the lines reported
};

void PrintTo(const Fault& fault, std::ostream* out) {
    *out << fault.name;
}

// As a hand with the engine would leave the file: shadow tables included.
std::function<void(const QString&)> inDatabase(const char* sql) {
    return [sql](const QString& folder) {
        sqlite::Connection(QDir(folder).filePath(QStringLiteral("db3.mdb")),
                           sqlite::OpenMode::Create)
            .executeScript(sql);
    };
}

std::function<void(const QString&)> page(const char* name, const char* html) {
    return [=](const QString& folder) {
        testfiles::writeFile(QDir(folder).filePath(QString::fromUtf8(name)), html);
    };
}

class CheckedFault : public CheckedCollection, public ::testing::WithParamInterface<Fault> {};

// What the program relies on, broken one thing at a time, is reported.
TEST_P(CheckedFault, IsReported) {
    const QStringList before = checkCollection(folder_.path()).problems;
    GetParam().make(folder_.path());
    const QStringList problems = checkCollection(folder_.path()).problems;
    EXPECT_TRUE(problems.contains(QString::fromUtf8(GetParam().problem)))
        << problems.join(u'\n').toStdString();
    EXPECT_FALSE(before.contains(QString::fromUtf8(GetParam().problem)));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, CheckedFault,
    ::testing::Values(
        Fault{"NoControlTable", inDatabase("DROP TABLE CONTROLE"),
              "db3.mdb: não é uma coleção do Corvanel (falta a tabela CONTROLE)"},
        Fault{"AView", inDatabase("CREATE VIEW V AS SELECT 1"),
              "db3.mdb: não é uma coleção do Corvanel (tem a visão \"V\")"},
        Fault{"WrongPassword", inDatabase("UPDATE database_password SET digest = x'00'"),
              "db3.mdb: a senha guardada não é a do programa, que não abre a coleção"},
        Fault{"NoPassword", inDatabase("DROP TABLE database_password"),
              "db3.mdb: a senha guardada não é a do programa, que não abre a coleção"},
        Fault{"GarbageTrigrams", inDatabase("DELETE FROM SEARCH_TRIGRAMS_data WHERE id > 10"),
              "db3.mdb: os trigramas do índice de busca não correspondem ao texto indexado "
              "(database disk image is malformed); \"corvanel-collection reindex\" os refaz"},
        Fault{"GarbageWords", inDatabase("DELETE FROM SEARCH_WORDS_data WHERE id > 10"),
              "db3.mdb: as palavras do índice de busca estão danificadas (database disk image is "
              "malformed); \"corvanel-collection reindex\" as refaz"},
        Fault{"WrongOpening",
              inDatabase("INSERT OR REPLACE INTO TEXT_OPENINGS VALUES (1, 'outro')"),
              "db3.mdb: o índice de busca não corresponde aos textos em 1 linha(s); "
              "\"corvanel-collection reindex\" o refaz"},
        Fault{"RankTwice", inDatabase("UPDATE TITLE_ORDER SET rank = 0 WHERE rank = 1"),
              "db3.mdb: a ordem dos títulos do índice de busca não corresponde aos textos em 1 "
              "posição(ões); \"corvanel-collection reindex\" a refaz"},
        Fault{"RootOfTheSystem", inDatabase("UPDATE CONTROLE SET tipo = '/'"),
              "db3.mdb: a raiz de conteúdo guardada \"/\" é uma pasta do sistema, não a de "
              "uma coleção"},
        Fault{"RootInSystemFiles", inDatabase("UPDATE CONTROLE SET tipo = '/etc/'"),
              "db3.mdb: a raiz de conteúdo guardada \"/etc/\" é uma pasta do sistema, não a "
              "de uma coleção"},
        Fault{"PageLinkedOut",
              [](const QString& folder) {
                  const QString page = QDir(folder).filePath(QStringLiteral("textos/1.htm"));
                  QFile::remove(page);
                  QFile::link(QDir(folder).filePath(QStringLiteral("../fora.htm")), page);
              },
              "textos/1.htm: a página é um link simbólico que leva para fora da coleção"},
        Fault{"Script", page("textos/1.htm", "<script>var a = \"<a href='nada.htm'>\";</script>"),
              "textos/1.htm: a página tem um script"},
        Fault{"EventHandler", page("textos/1.htm", "<body onload=\"location='x'\">"),
              "textos/1.htm: a página tem um script"},
        Fault{"MetaRefresh",
              page("textos/1.htm",
                   "<meta http-equiv=\"refresh\" content=\"0; url=http://exemplo.org/\">"),
              "textos/1.htm: a página redireciona a outro endereço (meta refresh)"}),
    [](const ::testing::TestParamInfo<Fault>& fault) { return fault.param.name; });

// Script text is no link, and the pages' own print script is no problem.
TEST_F(CheckedCollection, ScriptsAreReportedAsSuchNotAsLinks) {
    testfiles::writeFile(
        path(QStringLiteral("textos/1.htm")),
        "<script>var a = \"<a href='nada.htm'>\";</script>"
        "<script>if (/(^|[?&])op=Imprimir(&|$)/.test(location.search)) window.addEventListener("
        "'load', function () { window.print(); });</script>");
    const QStringList problems = checkCollection(folder_.path()).problems;
    EXPECT_TRUE(problems.filter(QStringLiteral("nada.htm")).isEmpty())
        << problems.join(u'\n').toStdString();
    testfiles::writeFile(
        path(QStringLiteral("textos/1.htm")),
        "<script>if (/(^|[?&])op=Imprimir(&|$)/.test(location.search)) window.addEventListener("
        "'load', function () { window.print(); });</script>");
    EXPECT_TRUE(
        checkCollection(folder_.path()).problems.filter(QStringLiteral("script")).isEmpty());
}

// The builder takes no page from outside the content folder.
TEST_F(CheckedCollection, TheBuilderRefusesAPageLinkedOutOfTheContentFolder) {
    const QTemporaryDir elsewhere;
    const QString outside = QDir(elsewhere.path()).filePath(QStringLiteral("segredo.htm"));
    testfiles::writeFile(outside, "segredo");
    const QString page = path(QStringLiteral("textos/1.htm"));
    QFile::remove(page);
    ASSERT_TRUE(QFile::link(outside, page));
    BuildOptions options;
    options.cataloguePath = path(QStringLiteral("catalogo.jsonl"));
    options.contentDir = folder_.path();
    options.outputPath = path(QStringLiteral("db3.mdb"));
    options.allowUnknownCodes = true;
    try {
        build(options);
        FAIL() << "built";
    } catch (const BuildError& error) {
        EXPECT_TRUE(error.message().endsWith(
            QStringLiteral("é um link simbólico que leva para fora da pasta de conteúdo")))
            << error.message().toStdString();
    }
}

TEST_F(CheckedCollection, TheCommandExitsWithOneOnProblemsAndTwoOnUsageErrors) {
    const auto run = [](const QStringList& arguments, QString* out = nullptr) {
        QString text;
        QString err;
        QTextStream outStream(&text);
        QTextStream errStream(&err);
        const int code = runCommandLine(arguments, outStream, errStream);
        outStream.flush();
        if (out != nullptr) {
            *out = text;
        }
        return code;
    };
    QString out;
    EXPECT_EQ(run({QStringLiteral("check"), folder_.path()}, &out), 1);
    EXPECT_TRUE(out.endsWith(QStringLiteral(": 3 documentos, %1 páginas, 5 problema(s)\n")
                                 .arg(2 + ContentFiles::fixedFiles().size() - 1)))
        << out.toStdString();

    QFile::remove(path(QStringLiteral("textos/2.htm")));
    testfiles::writeFile(path(QStringLiteral("textos/2.htm")), "<p>sem links</p>");
    testfiles::writeFile(path(QStringLiteral("textos/3.htm")), "<p>três</p>");
    EXPECT_EQ(
        run({QStringLiteral("check"), folder_.path(), QStringLiteral("--allow-unknown-codes")},
            &out),
        0)
        << out.toStdString();
    EXPECT_TRUE(out.endsWith(QStringLiteral("nenhum problema\n")));

    EXPECT_EQ(run({QStringLiteral("check")}), 2);
    EXPECT_EQ(run({QStringLiteral("check"), folder_.path(), folder_.path()}), 2);
    EXPECT_EQ(run({QStringLiteral("check"), folder_.path(), QStringLiteral("--out"),
                   path(QStringLiteral("x.mdb"))}),
              2);
    EXPECT_EQ(run({QStringLiteral("tables"), QStringLiteral("a")}), 2);
    EXPECT_EQ(run({QStringLiteral("check"), path(QStringLiteral("textos"))}), 1)
        << "a folder without db3.mdb is no collection";
}

}  // namespace
}  // namespace corvanel::collection
