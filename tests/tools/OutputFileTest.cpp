#include "BuildError.h"
#include "CollectionBuild.h"
#include "CollectionWriter.h"
#include "OutputFile.h"
#include "TestFiles.h"

#include <ConnectionString.h>
#include <Database.h>

#include <QProcess>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <csignal>
#include <memory>

#include <sys/stat.h>
#include <unistd.h>

namespace corvanel::collection {
namespace {

using testfiles::entriesOf;
using testfiles::readFile;
using testfiles::writeFile;

class Output : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        writeFile(catalogue(), "{\"cod\": 1, \"titulo\": \"Um\", \"sessao\": \"A\"}\n");
        writeFile(page(), "<p>página um</p>");
    }

    QString path(const QString& relative) const { return folder_.filePath(relative); }
    QString catalogue() const { return path(QStringLiteral("catalogue.jsonl")); }
    QString page() const { return path(QStringLiteral("conteudo/textos/1.htm")); }

    BuildOptions options(const QString& output) const {
        return {catalogue(), path(QStringLiteral("conteudo")), output, {}};
    }

    static void expectRefused(const BuildOptions& build_options, const QString& reason) {
        try {
            build(build_options);
            ADD_FAILURE() << "built into " << qPrintable(build_options.outputPath);
        } catch (const BuildError& error) {
            EXPECT_TRUE(error.message().contains(reason)) << qPrintable(error.message());
        }
    }

    QTemporaryDir folder_;
};

TEST_F(Output, NeverReplacesWhatIsNotARegularFile) {
    writeFile(path(QStringLiteral("alvo.mdb")), "precioso");
    ASSERT_TRUE(QFile::link(path(QStringLiteral("alvo.mdb")), path(QStringLiteral("link.mdb"))));
    expectRefused(options(path(QStringLiteral("link.mdb"))),
                  QStringLiteral("a saída \"%1\" não é um arquivo comum: é um link simbólico")
                      .arg(path(QStringLiteral("link.mdb"))));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("link.mdb"))).isSymLink());
    EXPECT_EQ(readFile(path(QStringLiteral("alvo.mdb"))), QByteArray("precioso"));

    // Opening a FIFO to write would block; replacing it loses it.
    const QString fifo = path(QStringLiteral("fila.mdb"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0644), 0);
    expectRefused(options(fifo), QStringLiteral("não é um arquivo comum: é um FIFO"));
    EXPECT_THROW(writeCollection(fifo, {}, {}), BuildError) << "the writer refuses it too";
    struct stat info {};
    ASSERT_EQ(::lstat(QFile::encodeName(fifo).constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));

    QDir().mkpath(path(QStringLiteral("pasta.mdb")));
    expectRefused(options(path(QStringLiteral("pasta.mdb"))),
                  QStringLiteral("é uma pasta, não um arquivo"));
    EXPECT_TRUE(entriesOf(path(QStringLiteral("pasta.mdb"))).isEmpty());

    EXPECT_EQ(entriesOf(folder_.path()),
              (QStringList{QStringLiteral("alvo.mdb"), QStringLiteral("catalogue.jsonl"),
                           QStringLiteral("conteudo"), QStringLiteral("fila.mdb"),
                           QStringLiteral("link.mdb"), QStringLiteral("pasta.mdb")}));
}

// Checked by path only: no build is ever pointed at the real device.
TEST(OutputCheck, RefusesTheNullDevice) {
    struct stat before {};
    ASSERT_EQ(::stat("/dev/null", &before), 0);
    try {
        requireReplaceableOutput(QStringLiteral("/dev/null"));
        ADD_FAILURE() << "/dev/null taken for an output";
    } catch (const BuildError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("a saída \"/dev/null\" não é um arquivo comum: é um dispositivo; "
                                 "--out deve ser um arquivo comum ou um caminho que ainda não "
                                 "existe"));
    }
    struct stat after {};
    ASSERT_EQ(::stat("/dev/null", &after), 0);
    EXPECT_TRUE(S_ISCHR(after.st_mode));
    EXPECT_EQ(after.st_ino, before.st_ino);
}

// By file identity, so other names for the same file are caught too.
TEST_F(Output, NeverOverwritesTheCatalogueOrAPage) {
    const QByteArray catalogueBytes = readFile(catalogue());
    const QByteArray pageBytes = readFile(page());
    const QString hardLink = path(QStringLiteral("saida/db3.mdb"));
    QDir().mkpath(path(QStringLiteral("saida")));

    expectRefused(options(catalogue()), QStringLiteral("é o próprio catálogo"));
    expectRefused(options(path(QStringLiteral("conteudo/../catalogue.jsonl"))),
                  QStringLiteral("é o próprio catálogo"));
    ASSERT_EQ(
        ::link(QFile::encodeName(catalogue()).constData(), QFile::encodeName(hardLink).constData()),
        0);
    expectRefused(
        options(hardLink),
        QStringLiteral("a saída \"%1\" é o próprio catálogo \"%2\"").arg(hardLink, catalogue()));
    QFile::remove(hardLink);

    expectRefused(options(path(QStringLiteral("conteudo/textos/../textos/1.htm"))),
                  QStringLiteral("é a página \"%1\"").arg(page()));
    ASSERT_EQ(
        ::link(QFile::encodeName(page()).constData(), QFile::encodeName(hardLink).constData()), 0);
    expectRefused(options(hardLink), QStringLiteral("é a página \"%1\"").arg(page()));

    EXPECT_EQ(readFile(catalogue()), catalogueBytes);
    EXPECT_EQ(readFile(page()), pageBytes);
    EXPECT_EQ(entriesOf(path(QStringLiteral("conteudo/textos"))),
              QStringList{QStringLiteral("1.htm")});
}

// A real process stopped in the middle of writing.
class InterruptedBuild : public Output {
protected:
    QString output() const { return path(QStringLiteral("saida/db3.mdb")); }

    // A process with the build of output() open.
    static std::unique_ptr<QProcess> startHolder(const QString& output) {
        auto process = std::make_unique<QProcess>();
        process->start(QStringLiteral(COLLECTION_WRITER_HOLDER), {output});
        if (!process->waitForReadyRead(60'000) || !process->readAll().startsWith("pronto")) {
            ADD_FAILURE() << "the holder did not start: "
                          << process->readAllStandardError().toStdString();
        }
        return process;
    }

    // Names of the temporary files of output(): the marker and six letters.
    QStringList temporaries() const {
        const QString prefix = QStringLiteral("db3.mdb.corvanel-incompleto-");
        QStringList names;
        for (const QString& name : entriesOf(path(QStringLiteral("saida")))) {
            if (name.startsWith(prefix) && name.size() == prefix.size() + 6) {
                names << name;
            }
        }
        return names;
    }
};

TEST_F(InterruptedBuild, SignalsRemoveTheTemporaryFileAndKeepTheOldOutput) {
    for (const int signal : {SIGINT, SIGTERM}) {
        writeFile(output(), "banco antigo");
        const auto holder = startHolder(output());
        ASSERT_EQ(temporaries().size(), 1);
        ::kill(static_cast<pid_t>(holder->processId()), signal);
        ASSERT_TRUE(holder->waitForFinished(60'000));
        EXPECT_EQ(holder->exitStatus(), QProcess::CrashExit) << "ended by the signal itself";
        EXPECT_EQ(entriesOf(path(QStringLiteral("saida"))), QStringList{QStringLiteral("db3.mdb")})
            << signal;
        EXPECT_EQ(readFile(output()), QByteArray("banco antigo"));
    }
}

TEST_F(InterruptedBuild, NextBuildRemovesOnlyWhatKilledBuildsLeft) {
    const auto killed = startHolder(output());
    ::kill(static_cast<pid_t>(killed->processId()), SIGKILL);  // no handler runs
    ASSERT_TRUE(killed->waitForFinished(60'000));
    const QStringList abandoned = temporaries();
    ASSERT_EQ(abandoned.size(), 1);

    const auto live = startHolder(output());
    QStringList kept = temporaries();
    kept.removeAll(abandoned.first());
    ASSERT_EQ(kept.size(), 1);
    // Look-alikes that are not ours.
    kept << QStringLiteral("db3.mdb.bak") << QStringLiteral("db3.mdb.corvanel-incompleto-abc")
         << QStringLiteral("outro.mdb.corvanel-incompleto-abcdef");
    for (qsizetype i = 1; i < kept.size(); ++i) {
        writeFile(path(QStringLiteral("saida/") + kept[i]), "alheio");
    }

    build(options(output()));
    kept << QStringLiteral("db3.mdb");
    kept.sort();
    EXPECT_EQ(entriesOf(path(QStringLiteral("saida"))), kept);

    // The live build's file was left alone: it still finishes.
    live->write("gravar\n");
    live->closeWriteChannel();
    ASSERT_TRUE(live->waitForFinished(60'000));
    EXPECT_EQ(live->exitCode(), 0) << live->readAllStandardError().toStdString();
    EXPECT_TRUE(temporaries().isEmpty());
    Database database(connectionStringFor(path(QStringLiteral("saida"))));
    EXPECT_EQ(database.countDocuments(), 1);
}

}  // namespace
}  // namespace corvanel::collection
