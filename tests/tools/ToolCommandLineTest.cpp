#include "CommandLine.h"
#include "DisplayLineBreaker.h"
#include "Look.h"
#include "QueryRun.h"
#include "Version.h"

#include <QFont>
#include <QTextStream>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvanel {
namespace {

struct Outcome {
    int status;
    QString out;
    QString err;
};

using Tool = std::function<int(const QStringList&, QTextStream&, QTextStream&)>;

Outcome run(const Tool& tool, const QStringList& arguments) {
    Outcome outcome{};
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.status = tool(arguments, out, err);
    out.flush();
    err.flush();
    return outcome;
}

const Tool queryTool = [](const QStringList& arguments, QTextStream& out, QTextStream& err) {
    const DisplayLineBreaker decisionLines(Look::sansSerif(11), 577);
    return query::runQuery(arguments, decisionLines, out, err);
};
const Tool collectionTool = &collection::runCommandLine;

TEST(ToolCommandLines, HelpAndVersionAnswerWithoutTouchingADatabase) {
    for (const auto& [tool, program] :
         {std::pair{queryTool, QStringLiteral("corvanel-query")},
          std::pair{collectionTool, QStringLiteral("corvanel-collection")}}) {
        const Outcome help = run(tool, {QStringLiteral("--help")});
        EXPECT_EQ(help.status, 0);
        EXPECT_TRUE(help.out.startsWith(u"Uso: " + program)) << help.out.toStdString();
        EXPECT_TRUE(help.out.contains(u"Opções:"));
        EXPECT_TRUE(help.out.contains(u"Saída: 0 "));
        EXPECT_TRUE(help.err.isEmpty());

        const Outcome version = run(tool, {QStringLiteral("--version")});
        EXPECT_EQ(version.status, 0);
        EXPECT_EQ(version.out, program + u" (Corvanel) " + kProgramVersion + u'\n');
    }
    // The publisher's old way of asking.
    EXPECT_EQ(run(collectionTool, {QStringLiteral("ajuda")}).out,
              run(collectionTool, {QStringLiteral("-h")}).out);
}

TEST(ToolCommandLines, HelpNamesEveryOptionTheToolsKeep) {
    const QString queryHelp = run(queryTool, {QStringLiteral("-h")}).out;
    for (const char* option : {"--db ARQUIVO", "--tipo", "--edit4", "--edit3", "--aux", "--subcat ",
                               "--subcatok", "--then PASSO", "open LINHA"}) {
        EXPECT_TRUE(queryHelp.contains(QString::fromUtf8(option))) << option;
    }
    const QString collectionHelp = run(collectionTool, {QStringLiteral("-h")}).out;
    for (const char* option :
         {"--catalogue ARQUIVO", "--content PASTA", "--out ARQUIVO", "--root RAIZ",
          "--allow-unknown-codes", "check PASTA", "tables",
          "Saída: 0 montado ou sem problemas, 1 erro na montagem ou problemas"}) {
        EXPECT_TRUE(collectionHelp.contains(QString::fromUtf8(option))) << option;
    }
}

TEST(ToolCommandLines, UnknownOptionsAndStrayWordsExitTwoInPortuguese) {
    const QList<std::tuple<Tool, QStringList, QString>> mistakes{
        {queryTool,
         {QStringLiteral("--db"), QStringLiteral("x"), QStringLiteral("--depressa")},
         QStringLiteral("corvanel-query: opção desconhecida: --depressa")},
        {queryTool,
         {QStringLiteral("--db"), QStringLiteral("x"), QStringLiteral("7")},
         QStringLiteral("corvanel-query: argumento inesperado: 7")},
        {queryTool,
         {QStringLiteral("--db"), QStringLiteral("x"), QStringLiteral("--then"),
          QStringLiteral("open"), QStringLiteral("dois")},
         QStringLiteral("corvanel-query: \"--then open\" pede o número da linha")},
        {collectionTool,
         {QStringLiteral("--version=2")},
         QStringLiteral("corvanel-collection: --version não leva valor")},
        {collectionTool,
         {QStringLiteral("build"), QStringLiteral("-q")},
         QStringLiteral("corvanel-collection: opção desconhecida: -q")},
    };
    for (const auto& [tool, arguments, message] : mistakes) {
        const Outcome outcome = run(tool, arguments);
        EXPECT_EQ(outcome.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(outcome.err.startsWith(message)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(u"--help\" para ver todas as opções."));
        EXPECT_TRUE(outcome.out.isEmpty());
    }
}

}  // namespace
}  // namespace corvanel
