#include "ProgramCommandLine.h"
#include "RuntimeFolderNotice.h"
#include "Version.h"

#include <QTextStream>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel::cli {
namespace {

ProgramSyntax sampleSyntax() {
    ProgramSyntax syntax;
    syntax.program = QStringLiteral("corvanel-exemplo");
    syntax.synopsis = QStringLiteral("corvanel-exemplo --db ARQUIVO [--rapido]");
    syntax.summary = QStringLiteral("Faz um exemplo.");
    syntax.options << QCommandLineOption(QStringLiteral("db"),
                                         QStringLiteral("o banco\nem duas linhas"),
                                         QStringLiteral("ARQUIVO"))
                   << QCommandLineOption(QStringLiteral("rapido"), QStringLiteral("sem pressa"));
    QCommandLineOption hidden(QStringLiteral("escondida"), QStringLiteral("não aparece"));
    hidden.setFlags(QCommandLineOption::HiddenFromHelp);
    syntax.options << hidden;
    syntax.closing = QStringLiteral("Saída: 0 feito.");
    return syntax;
}

struct Answer {
    std::optional<int> status;
    QString out;
    QString err;
};

Answer answerTo(const QStringList& arguments) {
    ProgramCommandLine commandLine(sampleSyntax());
    commandLine.parse(arguments);
    Answer answer;
    QTextStream out(&answer.out);
    QTextStream err(&answer.err);
    answer.status = commandLine.answer(out, err);
    out.flush();
    err.flush();
    return answer;
}

TEST(ProgramCommandLine, MistakesAreToldAsWrittenWithTheUsageLineAndExitTwo) {
    const QList<std::pair<QStringList, QString>> mistakes{
        {{QStringLiteral("--nada")}, QStringLiteral("opção desconhecida: --nada")},
        {{QStringLiteral("-x")}, QStringLiteral("opção desconhecida: -x")},
        {{QStringLiteral("--nada=1"), QStringLiteral("--rapido")},
         QStringLiteral("opção desconhecida: --nada")},
        {{QStringLiteral("--rapido"), QStringLiteral("--db")},
         QStringLiteral("falta o valor de --db")},
        {{QStringLiteral("--db"), QStringLiteral("a"), QStringLiteral("-db")},
         QStringLiteral("falta o valor de -db")},
        {{QStringLiteral("--rapido=sim")}, QStringLiteral("--rapido não leva valor")},
        {{QStringLiteral("--help=1")}, QStringLiteral("--help não leva valor")},
    };
    for (const auto& [arguments, problem] : mistakes) {
        const Answer answer = answerTo(arguments);
        EXPECT_EQ(answer.status, kExitUsage) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(answer.out.isEmpty());
        EXPECT_EQ(answer.err, QStringLiteral("corvanel-exemplo: %1\n"
                                             "Uso: corvanel-exemplo --db ARQUIVO [--rapido]\n"
                                             "Use \"corvanel-exemplo --help\" para ver todas as "
                                             "opções.\n")
                                  .arg(problem));
    }
}

TEST(ProgramCommandLine, AValueIsTakenAsWrittenEvenWhenItLooksLikeAnOption) {
    ProgramCommandLine commandLine(sampleSyntax());
    ASSERT_TRUE(commandLine.parse(
        {QStringLiteral("--db"), QStringLiteral("--rapido"), QStringLiteral("-db= ")}));
    EXPECT_EQ(commandLine.parser().values(QStringLiteral("db")),
              (QStringList{QStringLiteral("--rapido"), QStringLiteral(" ")}));
    EXPECT_FALSE(commandLine.parser().isSet(QStringLiteral("rapido")));
}

TEST(ProgramCommandLine, HelpListsEveryShownOptionAlignedAndExitsZero) {
    for (const QString& asked : {QStringLiteral("--help"), QStringLiteral("-h")}) {
        const Answer answer = answerTo({asked, QStringLiteral("--db"), QStringLiteral("x")});
        EXPECT_EQ(answer.status, kExitSuccess);
        EXPECT_TRUE(answer.err.isEmpty());
        EXPECT_EQ(answer.out, QStringLiteral("Uso: corvanel-exemplo --db ARQUIVO [--rapido]\n"
                                             "\n"
                                             "Faz um exemplo.\n"
                                             "\n"
                                             "Opções:\n"
                                             "  -h, --help     mostra esta ajuda e sai\n"
                                             "  -v, --version  mostra a versão e sai\n"
                                             "  --db ARQUIVO   o banco\n"
                                             "                 em duas linhas\n"
                                             "  --rapido       sem pressa\n"
                                             "\n"
                                             "Saída: 0 feito.\n"));
    }
}

TEST(ProgramCommandLine, VersionComesFromTheProjectAndAMistakeGoesBeforeIt) {
    const Answer version = answerTo({QStringLiteral("-v")});
    EXPECT_EQ(version.status, kExitSuccess);
    EXPECT_EQ(version.out, u"corvanel-exemplo (Corvanel) " + kProgramVersion + u'\n');

    const Answer mixed = answerTo({QStringLiteral("--version"), QStringLiteral("--nada")});
    EXPECT_EQ(mixed.status, kExitUsage);
    EXPECT_TRUE(mixed.out.isEmpty());

    EXPECT_EQ(answerTo({QStringLiteral("--db"), QStringLiteral("x")}).status, std::nullopt);
}

QStringList capturedMessages;

void capture(QtMsgType, const QMessageLogContext&, const QString& message) {
    capturedMessages << message;
}

TEST(RuntimeFolderNoticeFilter, DropsOnlyQtsNoticeAndOnlyWhileItLives) {
    const QtMessageHandler original = qInstallMessageHandler(capture);
    capturedMessages.clear();
    {
        const RuntimeFolderNoticeFilter filter;
        qWarning("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-x'");
        qWarning("QStandardPaths: wrong permissions on runtime directory /tmp/x");
        qWarning("outra coisa");
    }
    qWarning("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-y'");
    qInstallMessageHandler(original);
    EXPECT_EQ(capturedMessages,
              (QStringList{
                  QStringLiteral("QStandardPaths: wrong permissions on runtime directory /tmp/x"),
                  QStringLiteral("outra coisa"),
                  QStringLiteral(
                      "QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-y'")}));
}

}  // namespace
}  // namespace corvanel::cli
