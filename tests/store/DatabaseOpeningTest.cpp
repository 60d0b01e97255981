#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"
#include "Sqlite.h"
#include "TestCollection.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

namespace corvanel {
namespace {

using testing::q;

using testing::TestCollection;

// How many descriptors this process holds open on the file at path; none
// where the system does not say (not Linux).
std::optional<int> descriptorsOn(const QString& path) {
    const QDir descriptors(q("/proc/self/fd"));
    if (!descriptors.exists()) {
        return std::nullopt;
    }
    const QString target = QFileInfo(path).canonicalFilePath();
    int count = 0;
    for (const QFileInfo& descriptor :
         descriptors.entryInfoList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        count += !target.isEmpty() && descriptor.symLinkTarget() == target ? 1 : 0;
    }
    return count;
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray readBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray randomBytes(int size) {
    QRandomGenerator generator(42);
    QByteArray bytes(size, '\0');
    for (char& byte : bytes) {
        byte = static_cast<char>(generator.bounded(256));
    }
    return bytes;
}

struct DamagedFile {
    const char* name;
    std::function<void(const TestCollection&)> damage;
    const char* reason;  // the end of the message
};

void PrintTo(const DamagedFile& file, std::ostream* out) {
    *out << file.name;
}

class OpeningADamagedFile : public ::testing::TestWithParam<DamagedFile> {};

// Each fault gets a reason of its own, the file is left as it was, and the
// failed opening leaves nothing open on it.
TEST_P(OpeningADamagedFile, SaysWhatIsWrongAndLeavesTheFileAsItWas) {
    const TestCollection collection(testing::fixtureCards(q("listings.jsonl")));
    GetParam().damage(collection);
    const QString path = collection.databasePath();
    const QByteArray before = readBytes(path);

    for (int attempt = 0; attempt < 3; ++attempt) {
        try {
            Database database(collection.connectionString());
            FAIL() << "opened";
        } catch (const DatabaseError& error) {
            const QString& message = error.message();
            EXPECT_TRUE(message.startsWith(q("Não foi possível abrir o banco de dados \"") +
                                           QFileInfo(path).absoluteFilePath() + u'"'))
                << message.toStdString();
            EXPECT_TRUE(message.endsWith(q(GetParam().reason))) << message.toStdString();
        }
    }
    EXPECT_EQ(readBytes(path), before);
    if (const auto descriptors = descriptorsOn(path)) {
        EXPECT_EQ(*descriptors, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpeningADamagedFile,
    ::testing::Values(
        DamagedFile{"Missing", [](const TestCollection& c) { QFile::remove(c.databasePath()); },
                    "o arquivo não existe."},
        DamagedFile{"Folder",
                    [](const TestCollection& c) {
                        QFile::remove(c.databasePath());
                        QDir().mkpath(c.databasePath());
                    },
                    "é uma pasta, não um arquivo."},
        DamagedFile{"Empty", [](const TestCollection& c) { writeBytes(c.databasePath(), {}); },
                    "o arquivo está vazio; não é uma coleção do Corvanel."},
        DamagedFile{"Text",
                    [](const TestCollection& c) {
                        writeBytes(c.databasePath(),
                                   "isto não é um banco de dados, apenas um texto comprido o "
                                   "bastante para ser lido");
                    },
                    "o arquivo não é uma coleção do Corvanel."},
        DamagedFile{
            "RandomBytes",
            [](const TestCollection& c) { writeBytes(c.databasePath(), randomBytes(8192)); },
            "o arquivo não é uma coleção do Corvanel."},
        DamagedFile{"AnotherDatabase",
                    [](const TestCollection& c) {
                        QFile::remove(c.databasePath());
                        sqlite::Connection(c.databasePath(), sqlite::OpenMode::Create)
                            .executeScript("create table notas (texto text)");
                    },
                    "o arquivo não é uma coleção do Corvanel."},
        DamagedFile{"Truncated",
                    [](const TestCollection& c) {
                        writeBytes(c.databasePath(), readBytes(c.databasePath()).left(1024));
                    },
                    "o arquivo está danificado (database disk image is malformed)."},
        DamagedFile{"OtherPassword",
                    [](const TestCollection& c) {
                        sqlite::Connection db(c.databasePath(), sqlite::OpenMode::ReadWrite);
                        db.executeScript("update database_password set digest = x'00'");
                    },
                    "senha inválida."}),
    [](const ::testing::TestParamInfo<DamagedFile>& file) { return file.param.name; });

TEST(OpeningACollection, FailsForAWrongPasswordAndLeavesNothingOpen) {
    const TestCollection collection({});
    QString wrong = collection.connectionString();
    wrong.replace(q("tevaluqim"), q("outra"));
    const QString none = u"Data Source=" + collection.databasePath() + u';';
    for (const QString& password : {wrong, none}) {
        try {
            Database database(password);
            FAIL() << "opened with a wrong password";
        } catch (const DatabaseError& error) {
            EXPECT_TRUE(error.message().endsWith(q("senha inválida.")))
                << error.message().toStdString();
        }
    }
    if (const auto descriptors = descriptorsOn(collection.databasePath())) {
        EXPECT_EQ(*descriptors, 0);
        {
            Database database(collection.connectionString());
            EXPECT_GT(*descriptorsOn(collection.databasePath()), 0);
        }
        EXPECT_EQ(*descriptorsOn(collection.databasePath()), 0);
    }
}

}  // namespace
}  // namespace corvanel
