#include "ServedCollection.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

namespace corvanel::testing {
namespace {

int collectionTotal(int port) {
    return QJsonDocument::fromJson(httpGet(port, "/api/v1/secoes").body)
        .object()[q("total")]
        .toInt(-1);
}

// The program as an office runs it: a new collection file put in place and
// SIGHUP serve it; a broken one leaves the earlier served; SIGTERM ends it.
TEST(ServeProcess, OpensTheCollectionAnewOnHangUpAndEndsOnTerm) {
    const TestCollection served{{card(1, q("Um"), q(""), q("A"), q("A02"))}};
    const TestCollection replacement{
        {card(1, q("Um"), q(""), q("A"), q("A02")), card(2, q("Dois"), q(""), q("B"), q("B02"))}};
    QProcess serve;
    serve.setReadChannel(QProcess::StandardError);
    serve.start(q(CORVANEL_SERVE_PROGRAM),
                {q("--collection"), served.programFolder(), q("--listen"), q("127.0.0.1:0"),
                 q("--threads"), q("2")});
    ASSERT_TRUE(serve.waitForReadyRead(20000));
    const int port = QRegularExpression(q("porta (\\d+)"))
                         .match(QString::fromUtf8(serve.readAllStandardError()))
                         .captured(1)
                         .toInt();
    ASSERT_GT(port, 0);
    EXPECT_EQ(collectionTotal(port), 1);

    const QString database = served.databasePath();
    const auto hangUpAndRead = [&] {
        ::kill(static_cast<pid_t>(serve.processId()), SIGHUP);
        serve.waitForReadyRead(20000);
        serve.readAllStandardError();
        return collectionTotal(port);
    };
    // Put in place as a publisher would: the new file renamed over the old.
    ASSERT_TRUE(QFile::copy(replacement.databasePath(), database + q(".novo")));
    ASSERT_TRUE(QFile::remove(database));
    ASSERT_TRUE(QFile::rename(database + q(".novo"), database));
    EXPECT_EQ(hangUpAndRead(), 2);

    QFile broken(database);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly | QIODevice::Truncate));
    broken.write("nada");
    broken.close();
    EXPECT_EQ(hangUpAndRead(), 2);

    ::kill(static_cast<pid_t>(serve.processId()), SIGTERM);
    ASSERT_TRUE(serve.waitForFinished(20000));
    EXPECT_EQ(serve.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(serve.exitCode(), 0);
}

TEST(ServeProcess, RefusesABadCommandLineInPortuguese) {
    const char* const mistakes[][2] = {
        {"--threads", "0"},
        {"--listen", "localhost"},
        {"--collection", "/nao/existe"},
    };
    for (const auto& mistake : mistakes) {
        SCOPED_TRACE(mistake[0]);
        QProcess serve;
        serve.start(q(CORVANEL_SERVE_PROGRAM), {q(mistake[0]), q(mistake[1])});
        ASSERT_TRUE(serve.waitForFinished(20000));
        EXPECT_NE(serve.exitCode(), 0);
        EXPECT_FALSE(serve.readAllStandardError().isEmpty());
    }
}

}  // namespace
}  // namespace corvanel::testing
