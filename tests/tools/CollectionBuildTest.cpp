#include "BuildError.h"
#include "CollectionBuild.h"
#include "CollectionWriter.h"
#include "PageText.h"
#include "TestFiles.h"

#include <ConnectionString.h>
#include <Database.h>
#include <DatabaseError.h>
#include <Sqlite.h>

#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <map>
#include <string_view>

#include <sys/stat.h>

namespace corvanel::collection {
namespace {

using testfiles::entriesOf;
using testfiles::readFile;
using testfiles::writeFile;
using namespace std::string_view_literals;

class CollectionBuild : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }

    QString path(const QString& relative) const { return folder_.filePath(relative); }

    BuildOptions options(const QByteArray& catalogue) const {
        writeFile(path(QStringLiteral("catalogue.jsonl")), catalogue);
        QDir().mkpath(path(QStringLiteral("conteudo/textos")));
        return {path(QStringLiteral("catalogue.jsonl")),
                path(QStringLiteral("conteudo")),
                outputPath(),
                {}};
    }

    QString outputFolder() const { return path(QStringLiteral("saida")); }
    QString outputPath() const { return path(QStringLiteral("saida/db3.mdb")); }

    Database open() const { return Database(connectionStringFor(outputFolder())); }

    // The columns of every row of a query on the output, as text.
    QList<QStringList> rowsOf(const char* sql) const {
        sqlite::Connection db(outputPath(), sqlite::OpenMode::ReadOnly);
        sqlite::Statement query(db, sql);
        QList<QStringList> rows;
        while (query.step()) {
            QStringList row;
            for (int column = 0; column < query.columnCount(); ++column) {
                row << query.text(column);
            }
            rows << row;
        }
        return rows;
    }

    // cod_texto -> its texts, in row order.
    std::map<int, QStringList> textsByCode() const {
        std::map<int, QStringList> texts;
        for (const QStringList& row :
             rowsOf("select cod_texto, conteudo from TEXTOS order by rowid")) {
            texts[row[0].toInt()] << row[1];
        }
        return texts;
    }

    QTemporaryDir folder_;
};

TEST_F(CollectionBuild, WritesCardsTextsAndRootThatTheProgramReads) {
    const QByteArray page =
        "<html><head><meta charset='utf-8'><title>x</title></head>"
        "<body><h1>Estatuto da Criança</h1><p>Art. 1º &ndash; Esta Lei</p></body></html>";
    BuildOptions build_options = options(
        "{\"cod\": 20, \"titulo\": \"Estatuto\", \"subtitulo\": \"Lei 8.069\", \"sessao\": \"B\", "
        "\"categoria\": \"B06 B12\", \"pchave\": \"eca\"}\n"
        "{\"cod\": 11, \"titulo\": \"Água\", \"conteudo\": \"texto dado\"}\n"
        "{\"cod\": 12, \"titulo\": \"Dois\", \"conteudo\": [\"parte um\", \"parte dois\"]}\n"
        "{\"cod\": 13, \"titulo\": \"Sem texto\", \"conteudo\": []}\n");
    writeFile(path(QStringLiteral("conteudo/textos/20.htm")), page);

    const BuildReport report = build(build_options);
    EXPECT_EQ(report.cards, 4);
    EXPECT_EQ(report.textRows, 4);
    EXPECT_EQ(report.pagesRead, 1);

    Database database = open();
    EXPECT_EQ(database.countDocuments(), 4);
    EXPECT_EQ(database.contentRoot(), QDir(path(QStringLiteral("conteudo"))).absolutePath() + u'/');
    EXPECT_EQ(rowsOf("select titulo, subtitulo, sessao, categoria, pchave from LABELS "
                     "where cod = 20"),
              (QList<QStringList>{{QStringLiteral("Estatuto"), QStringLiteral("Lei 8.069"),
                                   QStringLiteral("B"), QStringLiteral("B06 B12"),
                                   QStringLiteral("eca")}}));

    const auto texts = textsByCode();
    EXPECT_EQ(texts.at(20), QStringList{QStringLiteral("Estatuto da Criança\nArt. 1º – Esta Lei")});
    EXPECT_EQ(texts.at(11), QStringList{QStringLiteral("texto dado")});
    EXPECT_EQ(texts.at(12),
              (QStringList{QStringLiteral("parte um"), QStringLiteral("parte dois")}));
    EXPECT_EQ(texts.count(13), 0u) << "an empty list gives no text row";

    // Fields left out are empty text, which LIKE sees, not NULL.
    EXPECT_EQ(rowsOf("select cod from LABELS where pchave LIKE '%%'").size(), 4);
    EXPECT_EQ(entriesOf(outputFolder()), QStringList{QStringLiteral("db3.mdb")});
}

TEST_F(CollectionBuild, StoresTheWholeTextOfADeeplyNestedPage) {
    // Unclosed tags nest one level deeper on every line.
    QByteArray page;
    QStringList lines;
    for (int i = 1; i <= 400; ++i) {
        page += "<p><font face=Arial>linha" + QByteArray::number(i) + '\n';
        lines << QStringLiteral("linha%1").arg(i);
    }
    const BuildOptions build_options = options("{\"cod\": 5}\n");
    writeFile(path(QStringLiteral("conteudo/textos/5.htm")), page);
    build(build_options);
    EXPECT_EQ(textsByCode().at(5), QStringList{lines.join(u'\n')});
}

TEST_F(CollectionBuild, StoresAGivenRootUnchanged) {
    BuildOptions build_options = options("{\"cod\": 1, \"conteudo\": \"x\"}");
    build_options.root = QStringLiteral("D:");
    EXPECT_EQ(build(build_options).root, QStringLiteral("D:"));
    EXPECT_EQ(open().contentRoot(), QStringLiteral("D:"));
}

TEST_F(CollectionBuild, StoresTheEditionBesideTheRoot) {
    BuildOptions build_options = options("{\"cod\": 1, \"conteudo\": \"x\"}");
    build_options.edition = QStringLiteral(" Edição II - Junho/26 ");
    build(build_options);
    EXPECT_EQ(open().edition(), QStringLiteral("Edição II - Junho/26"));

    // None given, none stored; none either in a collection of the earlier
    // builder, which has no column for it and still opens.
    build_options.edition.clear();
    build(build_options);
    EXPECT_EQ(rowsOf("select edicao is null from CONTROLE"),
              QList<QStringList>{{QStringLiteral("1")}});
    EXPECT_EQ(open().edition(), QString());
    sqlite::Connection(outputPath(), sqlite::OpenMode::ReadWrite)
        .executeScript("ALTER TABLE CONTROLE DROP COLUMN edicao");
    EXPECT_EQ(open().edition(), QString());
}

TEST(DefaultRoot, IsTheAbsoluteContentFolderWithOneClosingSeparator) {
    const QString base = QDir::currentPath();
    EXPECT_EQ(defaultRoot(QStringLiteral("a/../conteudo")), base + u"/conteudo/");
    EXPECT_EQ(defaultRoot(QStringLiteral("conteudo/")), base + u"/conteudo/");
    EXPECT_EQ(defaultRoot(QStringLiteral("/media/cdrom")), QStringLiteral("/media/cdrom/"));
}

TEST_F(CollectionBuild, FileOpensOnlyWithTheProgramsPassword) {
    writeCollection(outputPath(), {Card{1, {}, {}, {}, {}, {}, {}}}, QStringLiteral("/r/"));
    EXPECT_NO_THROW(open());
    for (const char* password : {"outra", ""}) {
        const QString connection = u"Data Source=" + outputPath() +
                                   u"; Jet OLEDB:Database Password=" +
                                   QString::fromLatin1(password) + u';';
        EXPECT_THROW(Database{connection}, DatabaseError) << password;
    }
}

// A failed build must leave the output as it was: absent, or the old file.
class FailedBuild : public CollectionBuild {
protected:
    // The message holds every one of the expected pieces.
    void expectFailure(const BuildOptions& build_options, const QStringList& expected) {
        for (const bool existing : {false, true}) {
            QFile::remove(outputPath());
            QDir().mkpath(outputFolder());
            if (existing) {
                writeFile(outputPath(), "banco antigo");
            }
            try {
                build(build_options);
                ADD_FAILURE() << "no error for " << qPrintable(expected.join(u' '));
            } catch (const BuildError& error) {
                for (const QString& piece : expected) {
                    EXPECT_TRUE(error.message().contains(piece)) << qPrintable(error.message());
                }
            }
            EXPECT_EQ(entriesOf(outputFolder()),
                      existing ? QStringList{QStringLiteral("db3.mdb")} : QStringList{});
            if (existing) {
                EXPECT_EQ(readFile(outputPath()), QByteArray("banco antigo"));
            }
        }
    }
};

struct BadCatalogue {
    const char* name;
    std::string_view lines;  // a view, so a line may hold a NUL
    int line;
    const char* reason;

    friend void PrintTo(const BadCatalogue& bad, std::ostream* out) { *out << bad.name; }
};

class RejectedCatalogue : public FailedBuild, public ::testing::WithParamInterface<BadCatalogue> {};

TEST_P(RejectedCatalogue, StopsAtTheFaultyLine) {
    const BadCatalogue& bad = GetParam();
    expectFailure(
        options(QByteArray("{\"cod\": 1, \"conteudo\": \"ok\"}\n\n") +
                QByteArray(bad.lines.data(), static_cast<qsizetype>(bad.lines.size()))),
        {QStringLiteral("catalogue.jsonl:%1: ").arg(bad.line), QString::fromUtf8(bad.reason)});
}

INSTANTIATE_TEST_SUITE_P(
    Lines, RejectedCatalogue,
    ::testing::Values(
        BadCatalogue{"InvalidJson", "{\"cod\": 2, \"titulo\": \"sem fim}\n", 3, "JSON inválido"},
        BadCatalogue{"TrailingText", "{\"cod\": 2} x\n", 3, "JSON inválido"},
        BadCatalogue{"NotUtf8", "{\"cod\": 2, \"titulo\": \"A\xe7\xe3o\"}\n", 3, "JSON inválido"},
        BadCatalogue{"NotAnObject", "[2]\n", 3, "objeto JSON"},
        BadCatalogue{"MissingCod", "{\"titulo\": \"x\"}\n", 3, "falta o campo \"cod\""},
        BadCatalogue{"RepeatedCod", "{\"cod\": 2, \"conteudo\": \"\"}\n\n{\"cod\": 1}\n", 5,
                     "\"cod\" repetido (já usado na linha 1)"},
        BadCatalogue{"FractionalCod", "{\"cod\": 2.5}\n", 3, "\"cod\" deve ser um número inteiro"},
        BadCatalogue{"TextCod", "{\"cod\": \"2\"}\n", 3, "não um texto"},
        BadCatalogue{"ZeroCod", "{\"cod\": 0}\n", 3, "positivo"},
        BadCatalogue{"NegativeCod", "{\"cod\": -4}\n", 3, "positivo"},
        BadCatalogue{"NumericTitle", "{\"cod\": 2, \"titulo\": 12}\n", 3,
                     "\"titulo\" deve ser um texto"},
        BadCatalogue{"NullText", "{\"cod\": 2, \"sessao\": null}\n", 3,
                     "\"sessao\" deve ser um texto, não null"},
        BadCatalogue{"ContentObject", "{\"cod\": 2, \"conteudo\": {}}\n", 3, "\"conteudo\""},
        BadCatalogue{"ContentListItem", "{\"cod\": 2, \"conteudo\": [\"a\", 1]}\n", 3,
                     "o item 2 de \"conteudo\""},
        BadCatalogue{"UnknownField", "{\"cod\": 2, \"conteudos\": \"a\"}\n", 3,
                     "campo desconhecido \"conteudos\""},
        BadCatalogue{"CodTooLarge", "{\"cod\": 9223372036854775808}\n", 3,
                     "\"cod\" é grande demais (o maior possível é 9223372036854775807)"},
        // Qt's parser keeps the last of repeated names without a word.
        BadCatalogue{"RepeatedName", "{\"cod\": 2, \"cod\": 3}\n", 3,
                     "o campo \"cod\" aparece mais de uma vez"},
        BadCatalogue{
            "RepeatedEscapedName",
            "{\"cod\": 2, \"titulo\": \"a\", \"conteudo\": [\"b\"], \"t\\u0069tulo\": \"c\"}\n", 3,
            "o campo \"titulo\" aparece mais de uma vez"},
        BadCatalogue{"EscapedNul", "{\"cod\": 2, \"titulo\": \"a\\u0000b\"}\n", 3,
                     "o campo \"titulo\" contém o caractere NUL"},
        BadCatalogue{"RawNul", "{\"cod\": 2, \"conteudo\": \"a\0b\"}\n"sv, 3,
                     "\"conteudo\" contém o caractere NUL"},
        BadCatalogue{"LoneHighSurrogate", "{\"cod\": 2, \"pchave\": \"a\\ud800b\"}\n", 3,
                     "o campo \"pchave\" contém \\ud800 sem o seu par"},
        BadCatalogue{"LoneLowSurrogate", "{\"cod\": 2, \"conteudo\": [\"ok\", \"\\udc00\"]}\n", 3,
                     "o item 2 de \"conteudo\" contém \\udc00 sem o seu par"},
        BadCatalogue{"LowerCaseSection", "{\"cod\": 2, \"sessao\": \"b\"}\n", 3,
                     "\"sessao\" deve ser uma das letras maiúsculas A, B, C, D, E ou H, não \"b\""},
        BadCatalogue{"EmptySection", "{\"cod\": 2, \"sessao\": \"\"}\n", 3, "não \"\""},
        BadCatalogue{"CategoryOnlySection", "{\"cod\": 2, \"sessao\": \"F\"}\n", 3, "não \"F\""}),
    [](const ::testing::TestParamInfo<BadCatalogue>& case_info) { return case_info.param.name; });

TEST_F(FailedBuild, MissingPageNamesTheDocumentAndThePath) {
    expectFailure(
        options("{\"cod\": 1, \"conteudo\": \"ok\"}\n{\"cod\": 77}\n"),
        {QStringLiteral("catalogue.jsonl:2: documento 77: a página \"%1\" não existe")
             .arg(QDir::toNativeSeparators(path(QStringLiteral("conteudo/textos/77.htm"))))});
}

TEST_F(FailedBuild, PageTheParserCannotReadToTheEnd) {
    const BuildOptions build_options =
        options("{\"cod\": 1, \"conteudo\": \"ok\"}\n{\"cod\": 8}\n");
    writeFile(path(QStringLiteral("conteudo/textos/8.htm")),
              "<html><head><meta charset='windows-1252'></head><body>\n<p>A\x81\xe3o</p>");
    expectFailure(build_options,
                  {QStringLiteral("catalogue.jsonl:2: documento 8: a página \"%1\" não pôde ser "
                                  "lida até o fim: o byte 0x81 da linha 2")
                       .arg(path(QStringLiteral("conteudo/textos/8.htm")))});
}

TEST_F(FailedBuild, UnusableInputs) {
    BuildOptions build_options = options("{\"cod\": 1, \"conteudo\": \"ok\"}\n");
    build_options.cataloguePath = path(QStringLiteral("nenhum.jsonl"));
    expectFailure(build_options, {QStringLiteral("o catálogo")});

    build_options = options("{\"cod\": 1, \"conteudo\": \"ok\"}\n");
    build_options.contentDir = path(QStringLiteral("nenhuma"));
    expectFailure(build_options, {QStringLiteral("a pasta de conteúdo")});
}

// Each says what it found instead of "não existe"; a FIFO or a device is
// never opened for reading (a FIFO would hang the build, /dev/zero never ends).
TEST_F(FailedBuild, InputsOfTheWrongKindSayWhatTheyAre) {
    const QByteArray catalogue = "{\"cod\": 1, \"conteudo\": \"ok\"}\n{\"cod\": 9}\n";
    const QString page = path(QStringLiteral("conteudo/textos/9.htm"));
    const QString where =
        QStringLiteral("catalogue.jsonl:2: documento 9: a página \"%1\" ").arg(page);

    BuildOptions build_options = options(catalogue);
    QDir().mkpath(page);
    expectFailure(build_options, {where + u"é uma pasta, não um arquivo"});
    QDir(page).removeRecursively();

    ASSERT_EQ(::mkfifo(QFile::encodeName(page).constData(), 0644), 0);
    expectFailure(build_options, {where + u"não é um arquivo comum: é um FIFO"});
    QFile::remove(page);

    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), page));
    expectFailure(build_options, {where + u"não é um arquivo comum: é um dispositivo"});
    QFile::remove(page);

    ASSERT_TRUE(QFile::link(path(QStringLiteral("nada.htm")), page));
    expectFailure(build_options, {where + u"não existe (é um link simbólico quebrado)"});
    QFile::remove(page);

    build_options = options(catalogue);
    build_options.cataloguePath = path(QStringLiteral("conteudo"));
    expectFailure(build_options, {QStringLiteral("o catálogo \"%1\" é uma pasta, não um arquivo")
                                      .arg(build_options.cataloguePath)});
    build_options.cataloguePath = path(QStringLiteral("catalogo.fifo"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(build_options.cataloguePath).constData(), 0644), 0);
    expectFailure(build_options, {QStringLiteral("o catálogo \"%1\" não é um arquivo comum")
                                      .arg(build_options.cataloguePath)});

    build_options = options(catalogue);
    build_options.contentDir = path(QStringLiteral("catalogue.jsonl"));
    expectFailure(build_options,
                  {QStringLiteral("a pasta de conteúdo \"%1\" é um arquivo, não uma pasta")
                       .arg(build_options.contentDir)});
}

TEST_F(FailedBuild, CardsRepeatingACodeInMemory) {
    const Card card{3, {}, {}, {}, {}, {}, {}};
    EXPECT_THROW(writeCollection(outputPath(), {card, card}, {}), BuildError);
    EXPECT_EQ(entriesOf(outputFolder()), QStringList{});
}

TEST_F(CollectionBuild, ReplacesAnExistingFile) {
    writeFile(outputPath(), "banco antigo");
    build(options("{\"cod\": 4, \"conteudo\": \"novo\"}\n"));
    EXPECT_EQ(open().countDocuments(), 1);
    EXPECT_EQ(entriesOf(outputFolder()), QStringList{QStringLiteral("db3.mdb")});
}

}  // namespace
}  // namespace corvanel::collection
