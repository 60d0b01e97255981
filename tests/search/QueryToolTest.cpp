#include "DisplayLineBreaker.h"
#include "Look.h"
#include "QueryRun.h"
#include "ResultListLogic.h"
#include "SearchCollection.h"
#include "SearchWords.h"

#include <QFont>
#include <QTextStream>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;
using testing::TestCollection;

struct QueryOutput {
    int status = 0;
    QStringList lines;
    QString errors;
};

QueryOutput query(const QStringList& arguments) {
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    QueryOutput output;
    const DisplayLineBreaker decisionLines(Look::sansSerif(11),
                                           ResultListLogic::kDecisionTextWidth);
    output.status = query::runQuery(arguments, decisionLines, outStream, errStream);
    outStream.flush();
    errStream.flush();
    output.lines = out.split(u'\n');
    output.errors = err;
    return output;
}

TEST(QueryTool, PrintsTheListsAndTheStateAfterTheShowingAndEachStep) {
    const TestCollection collection(testing::searchCards());
    const QueryOutput output =
        query({q("--db"), collection.databasePath(), q("--tipo"), q("T"), q("--edit4= "),
               q("--edit3"), q("silva"), q("--then"), q("search"), q("--then"), q("open"), q("5"),
               q("--then"), q("back"), q("--edit3"), q("sobre"), q("--then"), q("narrow")});
    EXPECT_EQ(output.status, 0);
    EXPECT_EQ(output.lines, (QStringList{q("# count=0 scope=Todos level=-1 tipo=T"),
                                         q("Textos:\t9"),
                                         q("1 - Ação civil pública\t9"),
                                         q("Silva, Ana\t9"),
                                         q(" \t "),
                                         q("Textos:\t1"),
                                         q("2 - Adoção internacional\t1"),
                                         q("Silva, Ana\t1"),
                                         q(" \t "),
                                         q("# count=2 scope=Todos level=0 tipo=T"),
                                         q("Textos:\t9"),
                                         q("1 - Ação civil pública\t9"),
                                         q("Silva, Ana\t9"),
                                         q(" \t "),
                                         q("Textos:\t1"),
                                         q("2 - Adoção internacional\t1"),
                                         q("Silva, Ana\t1"),
                                         q(" \t "),
                                         q("> file://localhost/") + collection.contentFolder() +
                                             q("textos\\1.htm"),
                                         q("# count=2 scope=Todos level=0 tipo=T"),
                                         q("Textos:\t9"),
                                         q("1 - Ação civil pública\t9"),
                                         q("Silva, Ana\t9"),
                                         q(" \t "),
                                         q("Textos:\t1"),
                                         q("2 - Adoção internacional\t1"),
                                         q("Silva, Ana\t1"),
                                         q(" \t "),
                                         q("! Não existem resultados anteriores."),
                                         q("# count=2 scope=Todos level=0 tipo=T"),
                                         q("Textos:\t1"),
                                         q("1 - Adoção internacional\t1"),
                                         q("Silva, Ana\t1"),
                                         q(" \t "),
                                         q("# count=1 scope=Todos level=1 tipo=T"),
                                         q("")}));
    EXPECT_TRUE(output.errors.isEmpty());
}

// Longer words are cut to the bound, said on the error output alone; the
// listing is the one the cut words give. Repetitive words answer like any.
TEST(QueryTool, WordsBeyondTheBoundAreCutWithAWarning) {
    const TestCollection collection(testing::searchCards());
    const auto search = [&](const QString& words) {
        return query({q("--db"), collection.databasePath(), q("--tipo"), q("T"), q("--edit4= "),
                      q("--edit3"), words, q("--then"), q("search")});
    };
    for (const QString& unit : {q("de "), q("a"), q("silva ")}) {
        const QString longWords = unit.repeated(120000 / unit.size());
        const QueryOutput cut = search(longWords);
        const QueryOutput within = search(boundedSearchWords(longWords));
        EXPECT_EQ(cut.status, 0);
        EXPECT_EQ(cut.lines, within.lines);
        EXPECT_TRUE(within.errors.isEmpty()) << within.errors.toStdString();
        EXPECT_EQ(cut.errors, QStringLiteral("aviso: --edit3 tem %1 caracteres; a busca aceita "
                                             "até %2, e só os primeiros são buscados.\n")
                                  .arg(longWords.size())
                                  .arg(kLongestSearchWords));
    }
}

TEST(QueryTool, AFailingStepIsPrintedAsItsErrorBox) {
    const TestCollection collection(testing::withDamagedDecision());
    testing::damageDecision(collection.databasePath());
    const QueryOutput output = query({q("--db"), collection.programFolder(), q("--tipo"), q("C"),
                                      q("--edit4"), q("C13"), q("--aux"), q("C")});
    EXPECT_EQ(output.status, 1);
    ASSERT_GE(output.lines.size(), 3);
    EXPECT_TRUE(output.lines.at(output.lines.size() - 3).startsWith(q("! ")));
    // The listing went through; its second decision's text did not read.
    EXPECT_EQ(output.lines.at(output.lines.size() - 2),
              q("# count=2 scope=Julgados level=-1 tipo=C"));
    EXPECT_TRUE(output.lines.first().startsWith(q("1 - Primeira linha da decisão.\t")));
}

TEST(QueryTool, BadArgumentsAndAnUnopenableDatabaseExitWithTwo) {
    const TestCollection collection(testing::searchCards());
    const QString db = collection.databasePath();
    const QList<QStringList> mistakes{
        {},
        {q("--tipo"), q("G")},
        {q("--db"), db, q("--then"), q("jump")},
        {q("--db"), db, q("--then"), q("open")},
        {q("--db"), db, q("--then"), q("open"), q("-1")},
        {q("--db"), db, q("--edit5"), q("x")},
        {q("--db"), db, q("--tipo")},
        {q("--db"), collection.programFolder() + q("/nada.mdb")},
    };
    for (const QStringList& arguments : mistakes) {
        const QueryOutput output = query(arguments);
        EXPECT_EQ(output.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(output.errors.isEmpty()) << arguments.join(u' ').toStdString();
        EXPECT_EQ(output.lines, QStringList{QString()}) << arguments.join(u' ').toStdString();
    }
}

// The documents of the rows listed, in list order, with the count line a
// grouped row carries.
QStringList listedRows(const QueryOutput& output) {
    QStringList rows;
    for (const QString& line : output.lines) {
        const QString key = line.section(u'\t', 1);
        if (line.contains(u" - ")) {
            rows << key;
        } else if (line.contains(u" trecho")) {
            rows.last() += u' ' + line.section(u'\t', 0, 0);
        }
    }
    return rows;
}

TEST(QueryTool, WholeWordsOrderAndGroupingChangeOnlyWhatTheyAskFor) {
    const TestCollection collection({
        testing::card(1, q("Ação"), q("Autor"), q("A"), q("A01"), {}, {q("aguardando a decisão")}),
        testing::card(2, q("Bem-estar"), q("Autor"), q("A"), q("A01"), {},
                      {q("a guarda dos filhos"), q("nada"), q("outra guarda e mais guarda")}),
        testing::card(3, q("Zeta: guarda"), q("Autor"), q("A"), q("A01"), {}, {q("nada")}),
    });
    const auto search = [&](const QStringList& options) {
        return query(QStringList{q("--db"), collection.databasePath(), q("--tipo"), q("T"),
                                 q("--edit4= "), q("--edit3"), q("guarda"), q("--then"),
                                 q("search")} +
                     options);
    };
    const struct {
        QStringList options;
        QStringList rows;
    } cases[] = {
        {{}, {q("1"), q("2"), q("2"), q("3")}},
        {{q("--palavra-inteira")}, {q("2"), q("2"), q("3")}},
        {{q("--agrupar")}, {q("1 1 trecho"), q("2 2 trechos"), q("3 1 trecho")}},
        {{q("--ordem"), q("relevancia")}, {q("3"), q("2"), q("1"), q("2")}},
        {{q("--ordem=relevancia"), q("--agrupar"), q("--palavra-inteira")},
         {q("3 1 trecho"), q("2 2 trechos")}},
    };
    for (const auto& c : cases) {
        const QueryOutput output = search(c.options);
        EXPECT_EQ(output.status, 0);
        EXPECT_EQ(listedRows(output), c.rows) << c.options.join(u' ').toStdString();
    }
    // Title order asked is the output of always.
    EXPECT_EQ(search({q("--ordem"), q("titulo")}).lines, search({}).lines);
    const QueryOutput unknown = search({q("--ordem"), q("data")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.errors.contains(u"ordem desconhecida")) << unknown.errors.toStdString();
}

}  // namespace
}  // namespace corvanel
