#include "CollectionLocation.h"
#include "StartCommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

// An installed tree: the program's folder and, where the program looks for
// it, the installed collection's folder; neither holds a db3.mdb yet.
class InstalledTree : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        programFolder_ = root_.filePath(QStringLiteral("usr/bin"));
        installed_ = installedCollectionFolder(programFolder_);
        ASSERT_TRUE(QDir().mkpath(programFolder_));
        ASSERT_TRUE(QDir().mkpath(installed_));
    }

    static void putDatabaseIn(const QString& folder) {
        QFile database(QDir(folder).filePath(QStringLiteral("db3.mdb")));
        ASSERT_TRUE(database.open(QIODevice::WriteOnly));
    }

    QTemporaryDir root_;
    QString programFolder_;
    QString installed_;
};

TEST_F(InstalledTree, TheInstalledCollectionLiesOutsideTheProgramsFolder) {
    EXPECT_TRUE(installed_.startsWith(root_.path() + u'/')) << installed_.toStdString();
    EXPECT_FALSE(installed_.startsWith(programFolder_)) << installed_.toStdString();
    EXPECT_TRUE(installed_.endsWith(u"/corvanel")) << installed_.toStdString();
}

TEST_F(InstalledTree, ADatabaseBesideTheProgramComesFirst) {
    putDatabaseIn(programFolder_);
    putDatabaseIn(installed_);
    EXPECT_EQ(defaultCollectionFolder(programFolder_), programFolder_);
}

TEST_F(InstalledTree, WithoutOneBesideTheProgramTheInstalledCollectionOpens) {
    putDatabaseIn(installed_);
    EXPECT_EQ(defaultCollectionFolder(programFolder_), installed_);
}

TEST_F(InstalledTree, WithNoneAnywhereTheProgramsFolderStays) {
    // The program then reports the missing file where it looked first.
    EXPECT_EQ(defaultCollectionFolder(programFolder_), programFolder_);
}

TEST_F(InstalledTree, ANamedCollectionIsItsFolderOrItsDatabase) {
    putDatabaseIn(installed_);
    QString problem;
    EXPECT_EQ(namedCollectionFolder(installed_, problem), installed_);
    EXPECT_EQ(namedCollectionFolder(installed_ + QStringLiteral("/db3.mdb"), problem), installed_);
    EXPECT_TRUE(problem.isEmpty());

    const QDir current = QDir::current();
    ASSERT_TRUE(QDir::setCurrent(installed_));
    EXPECT_EQ(namedCollectionFolder(QStringLiteral("db3.mdb"), problem), installed_);
    QDir::setCurrent(current.path());

    const QString other = root_.filePath(QStringLiteral("colecao.mdb"));
    QFile(installed_ + QStringLiteral("/db3.mdb")).copy(other);
    const QList<std::pair<QString, QString>> wrong{
        {other, QStringLiteral("\"%1\" não é uma coleção").arg(other)},
        {programFolder_,
         QStringLiteral("a pasta \"%1\" não tem o arquivo db3.mdb").arg(programFolder_)},
        {root_.filePath(QStringLiteral("nada")),
         QStringLiteral("\"%1\" não existe").arg(root_.filePath(QStringLiteral("nada")))},
    };
    for (const auto& [argument, reason] : wrong) {
        problem.clear();
        EXPECT_TRUE(namedCollectionFolder(argument, problem).isEmpty());
        EXPECT_TRUE(problem.startsWith(reason)) << problem.toStdString();
    }
}

struct StartOutcome {
    std::optional<int> status;
    QString folder;
    QString err;
};

StartOutcome startWith(const QStringList& arguments, const QString& programFolder,
                       const QString& remembered = {}) {
    cli::ProgramCommandLine commandLine(programSyntax());
    StartOutcome outcome;
    QTextStream err(&outcome.err);
    outcome.status = readCollectionFolder(commandLine, arguments, programFolder, remembered,
                                          outcome.folder, err);
    err.flush();
    return outcome;
}

TEST_F(InstalledTree, TheCommandLineChoosesTheCollectionOrExitsTwo) {
    putDatabaseIn(installed_);
    const StartOutcome plain = startWith({}, programFolder_);
    EXPECT_EQ(plain.status, std::nullopt);
    EXPECT_EQ(plain.folder, installed_);

    const StartOutcome named = startWith({installed_ + QStringLiteral("/db3.mdb")}, QString());
    EXPECT_EQ(named.status, std::nullopt);
    EXPECT_EQ(named.folder, installed_);

    const StartOutcome option = startWith({QStringLiteral("--collection"), installed_}, QString());
    EXPECT_EQ(option.status, std::nullopt);
    EXPECT_EQ(option.folder, installed_);

    const QList<std::pair<QStringList, QString>> wrong{
        {{QStringLiteral("--collection"), installed_, installed_},
         QStringLiteral("corvanel: argumento inesperado \"%1\"\n").arg(installed_)},
        {{QStringLiteral("--colecao"), installed_},
         QStringLiteral("corvanel: opção desconhecida: --colecao\n")},
        {{installed_, installed_},
         QStringLiteral("corvanel: argumento inesperado \"%1\"\n").arg(installed_)},
        {{programFolder_}, QStringLiteral("corvanel: a pasta \"%1\"").arg(programFolder_)},
    };
    for (const auto& [arguments, message] : wrong) {
        const StartOutcome outcome = startWith(arguments, programFolder_);
        EXPECT_EQ(outcome.status, 2);
        EXPECT_TRUE(outcome.err.startsWith(message)) << outcome.err.toStdString();
        EXPECT_TRUE(outcome.err.contains(u"\nUso: corvanel [--collection COLEÇÃO | COLEÇÃO]\n"));
    }
}

// The environment names the collection when the command line does not.
TEST_F(InstalledTree, TheEnvironmentChoosesTheCollectionAfterTheCommandLine) {
    putDatabaseIn(installed_);
    QTemporaryDir other;
    putDatabaseIn(other.path());
    const QByteArray previous = qgetenv("CORVANEL_COLLECTION");
    qputenv("CORVANEL_COLLECTION", QFile::encodeName(other.path()));

    EXPECT_EQ(startWith({}, programFolder_).folder, QDir(other.path()).absolutePath());
    EXPECT_EQ(startWith({installed_}, programFolder_).folder, installed_);

    qputenv("CORVANEL_COLLECTION", QFile::encodeName(programFolder_));
    const StartOutcome wrong = startWith({}, programFolder_);
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.err.startsWith(u"corvanel: CORVANEL_COLLECTION: a pasta"))
        << wrong.err.toStdString();

    if (previous.isNull()) {
        qunsetenv("CORVANEL_COLLECTION");
    } else {
        qputenv("CORVANEL_COLLECTION", previous);
    }
}

// The collection opened last comes after the command line and the
// environment, and before the program's own; one that is gone is passed over.
TEST_F(InstalledTree, TheCollectionOpenedLastComesAfterTheCommandLineAndBeforeTheProgramsOwn) {
    putDatabaseIn(installed_);
    QTemporaryDir remembered;
    putDatabaseIn(remembered.path());
    const QString rememberedFolder = QDir(remembered.path()).absolutePath();

    EXPECT_EQ(startWith({}, programFolder_, rememberedFolder).folder, rememberedFolder);
    EXPECT_EQ(startWith({installed_}, programFolder_, rememberedFolder).folder, installed_);

    const QString gone = root_.filePath(QStringLiteral("pendrive/colecao"));
    const StartOutcome passedOver = startWith({}, programFolder_, gone);
    EXPECT_EQ(passedOver.status, std::nullopt);
    EXPECT_EQ(passedOver.folder, installed_);
    EXPECT_TRUE(passedOver.err.isEmpty());
}

}  // namespace
}  // namespace corvanel
