#include "DisplayLineBreaker.h"
#include "Look.h"
#include "QueryRun.h"
#include "ResultListLogic.h"
#include "SearchCollection.h"

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

}  // namespace
}  // namespace corvanel
