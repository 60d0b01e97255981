// The installed programs as a user's terminal runs them: no display, no
// XDG_RUNTIME_DIR, nothing on stderr that the user did not cause.
#include "Version.h"

#include <QProcess>
#include <QRegularExpression>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

struct ProcessRun {
    int status = -1;
    QString out;
    QString err;
};

// A terminal without a display: --help and --version must not need one.
QProcessEnvironment bareTerminal() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
        environment.remove(QString::fromUtf8(name));
    }
    return environment;
}

ProcessRun run(const char* program, const QStringList& arguments,
               const QProcessEnvironment& environment = bareTerminal()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(program), arguments);
    ProcessRun result;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        result.err = process.errorString();
        return result;
    }
    result.status = process.exitCode();
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

TEST(ProgramProcesses, HelpAndVersionPrintWithoutADisplayAndWithoutNoise) {
    for (const auto& [program, name] :
         {std::pair{CORVANEL_PROGRAM, "corvanel"}, std::pair{CORVANEL_QUERY, "corvanel-query"},
          std::pair{CORVANEL_COLLECTION, "corvanel-collection"}}) {
        const ProcessRun help = run(program, {QStringLiteral("--help")});
        EXPECT_EQ(help.status, 0) << name << ": " << help.err.toStdString();
        EXPECT_TRUE(help.out.startsWith(QStringLiteral("Uso: %1 ").arg(QString::fromUtf8(name))))
            << help.out.toStdString();
        EXPECT_EQ(help.err, QString()) << name;

        const ProcessRun version = run(program, {QStringLiteral("-v")});
        EXPECT_EQ(version.status, 0) << name;
        EXPECT_EQ(version.out, QString::fromUtf8(name) + u" (Corvanel) " + kProgramVersion + u'\n');
        EXPECT_EQ(version.err, QString()) << name;
    }
}

TEST(ProgramProcesses, AListingPrintsOnlyTheListing) {
    const ProcessRun listing = run(
        CORVANEL_QUERY, {QStringLiteral("--db"), QStringLiteral(SAMPLE_DATABASE),
                         QStringLiteral("--tipo"), QStringLiteral("B"), QStringLiteral("--edit4"),
                         QStringLiteral("B06"), QStringLiteral("--aux"), QStringLiteral("B")});
    EXPECT_EQ(listing.status, 0);
    EXPECT_EQ(listing.err, QString());
    EXPECT_TRUE(listing.out.contains(
        QRegularExpression(QStringLiteral("\\n# count=[1-9][0-9]* scope=Legislação level=-1 "
                                          "tipo=B\\n$"))))
        << listing.out.toStdString();
}

TEST(ProgramProcesses, AWrongCommandLineExitsTwoWithItsReasonAlone) {
    // Told on a terminal without a display, before any window is looked for;
    // Qt's own options are no mistake.
    for (const auto& [program, name] :
         {std::pair{CORVANEL_PROGRAM, "corvanel"}, std::pair{CORVANEL_QUERY, "corvanel-query"},
          std::pair{CORVANEL_COLLECTION, "corvanel-collection"}}) {
        const ProcessRun wrong = run(program, {QStringLiteral("--depressa")});
        EXPECT_EQ(wrong.status, 2) << name;
        EXPECT_TRUE(wrong.out.isEmpty()) << name;
        const QStringList lines = wrong.err.split(u'\n');
        ASSERT_EQ(lines.size(), 4) << wrong.err.toStdString();
        EXPECT_EQ(lines.at(0), QString::fromUtf8(name) + u": opção desconhecida: --depressa");
        EXPECT_TRUE(lines.at(1).startsWith(u"Uso: " + QString::fromUtf8(name)));
    }
    const QList<std::pair<QStringList, QString>> mistakes{
        {{QStringLiteral("/nao/existe")}, QStringLiteral("corvanel: \"/nao/existe\" não existe")},
        {{QStringLiteral("-platform"), QStringLiteral("offscreen"), QStringLiteral("-style=fusion"),
          QStringLiteral("/nao/existe")},
         QStringLiteral("corvanel: \"/nao/existe\" não existe")},
        {{QStringLiteral("-reverse"), QStringLiteral("--depressa")},
         QStringLiteral("corvanel: opção desconhecida: --depressa")},
    };
    for (const auto& [arguments, told] : mistakes) {
        const ProcessRun wrong = run(CORVANEL_PROGRAM, arguments);
        EXPECT_EQ(wrong.status, 2) << arguments.join(u' ').toStdString();
        EXPECT_TRUE(wrong.err.startsWith(told)) << wrong.err.toStdString();
    }
}

}  // namespace
}  // namespace corvanel
