#include "Collection.h"
#include "ContentAddress.h"
#include "ContentRootStore.h"
#include "Database.h"
#include "Sqlite.h"
#include "TestCollection.h"
#include "UserSettings.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

namespace corvanel {
namespace {

using testing::card;
using testing::q;
using testing::TestCollection;

constexpr QFileDevice::Permissions kReadOnlyFile =
    QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions kReadOnlyFolder =
    kReadOnlyFile | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
constexpr QFileDevice::Permissions kOpenFolder = kReadOnlyFolder | QFileDevice::WriteOwner;

QByteArray digestOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

QString storedRoot(const QString& databasePath) {
    sqlite::Connection db(databasePath, sqlite::OpenMode::ReadOnly);
    sqlite::Statement row(db, "select tipo from CONTROLE where topo = 1");
    return row.step() ? row.text(0) : QString();
}

// The checks themselves; they mean something only for a user whom the
// system refuses writes (root may write anything).
void checkReadOnlyCollection() {
    TestCollection collection({card(1, q("Estatuto da Criança"), {}, QStringLiteral("B"),
                                    QStringLiteral("B01"), {}, {q("adoção e guarda")})},
                              {.root = QStringLiteral("/media/cdrom/"), .withMarkerFile = false});
    QTemporaryDir disc;
    ASSERT_TRUE(disc.isValid());
    QFile marker(QDir(disc.path()).filePath(ContentAddress::kMarkerFileName.toString()));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    const QString discRoot = disc.path() + u'/';

    const QString databasePath = collection.databasePath();
    const QString folder = collection.programFolder();
    ASSERT_TRUE(QFile::setPermissions(databasePath, kReadOnlyFile));
    ASSERT_TRUE(QFile::setPermissions(folder, kReadOnlyFolder));
    const QByteArray before = digestOf(databasePath);
    const QStringList filesBefore = QDir(folder).entryList(QDir::Files);

    // Counting, searching and narrowing (marks in the connection's own
    // temporary tables) all work.
    Collection opened = Collection::open(folder);
    EXPECT_EQ(opened.documentCount(), 1);
    EXPECT_TRUE(opened.database().isReadOnly());
    int found = 0;
    opened.database().searchWords(q("adocao"), SearchScope::allSections(),
                                  [&](const ListedDocument&) { ++found; });
    EXPECT_EQ(found, 1);

    // The folder chosen on the content-location screen goes to the user's
    // settings, and start-up finds it there.
    EXPECT_EQ(ContentRootStore::store(folder, discRoot), ContentRootStore::StoredIn::UserSettings);
    EXPECT_EQ(UserSettings().contentRootFor(folder), discRoot);
    EXPECT_EQ(Collection::open(folder, UserSettings().contentRootFor(folder)).contentRoot(),
              discRoot);
    // The collection is untouched, byte for byte, with no journal left beside it.
    EXPECT_EQ(storedRoot(databasePath), QStringLiteral("/media/cdrom/"));
    EXPECT_EQ(digestOf(databasePath), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), filesBefore);

    // So that the temporary folder can go.
    QFile::setPermissions(folder, kOpenFolder);
    QFile::setPermissions(databasePath, kReadOnlyFile | QFileDevice::WriteOwner);
}

// A copy of this program that any user may run, in a folder of its own.
QString copyOfThisProgram(const QTemporaryDir& place) {
    const QString copy = QDir(place.path()).filePath(QStringLiteral("readonly-check"));
    if (!QFile::copy(QCoreApplication::applicationFilePath(), copy)) {
        return {};
    }
    QFile::setPermissions(place.path(), kReadOnlyFolder);
    QFile::setPermissions(copy, kReadOnlyFolder);
    return copy;
}

TEST(ReadOnlyCollection, OpensSearchesAndKeepsTheChosenFolderInTheUsersSettings) {
    if (geteuid() != 0) {
        checkReadOnlyCollection();
        return;
    }
    // Root writes through any permission: the checks run again as "nobody".
    QTemporaryDir place;
    ASSERT_TRUE(place.isValid());
    const QString program = copyOfThisProgram(place);
    ASSERT_FALSE(program.isEmpty());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.insert(QStringLiteral("HOME"), QDir::tempPath());
    QProcess asNobody;
    asNobody.setProcessEnvironment(environment);
    asNobody.setProcessChannelMode(QProcess::MergedChannels);
    asNobody.start(QStringLiteral("setpriv"),
                   {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                    QStringLiteral("--clear-groups"), program,
                    QStringLiteral("--gtest_filter=ReadOnlyCollection.*")});
    ASSERT_TRUE(asNobody.waitForFinished(120'000)) << "setpriv did not run";
    const QString output = QString::fromLocal8Bit(asNobody.readAll());
    EXPECT_EQ(asNobody.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(asNobody.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    QFile::setPermissions(place.path(), kOpenFolder);
}

TEST(UserSettings, RemembersCollectionsAndTheirFoldersAndSurvivesADamagedFile) {
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath(QStringLiteral("corvanel.conf"));
    {
        UserSettings settings(file);
        EXPECT_TRUE(settings.lastCollectionFolder().isEmpty());
        settings.rememberCollectionFolder(folder.path() + QStringLiteral("/./"));
        settings.storeContentRoot(QStringLiteral("/media/dvd"), QStringLiteral("/media/dvd/"));
        settings.storeContentRoot(QStringLiteral("/srv/colecao"), QStringLiteral("/srv/paginas/"));
        settings.storeContentRoot(QStringLiteral("/media/dvd/"), QStringLiteral("/media/outro/"));
        EXPECT_TRUE(settings.sync());
    }
    {
        const UserSettings settings(file);
        EXPECT_EQ(settings.lastCollectionFolder(), QDir(folder.path()).canonicalPath());
        EXPECT_EQ(settings.contentRootFor(QStringLiteral("/media/dvd")), u"/media/outro/");
        EXPECT_EQ(settings.contentRootFor(QStringLiteral("/srv/colecao")), u"/srv/paginas/");
        EXPECT_EQ(settings.contentRootFor(QStringLiteral("/srv")), std::nullopt);
    }

    QFile damaged(file);
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    static constexpr char kGarbage[] = "[colecao\n\xff\xfe\0ultima=\"\\x\n[[[=\n";
    damaged.write(kGarbage, sizeof kGarbage - 1);
    damaged.close();
    UserSettings settings(file);
    EXPECT_EQ(settings.contentRootFor(QStringLiteral("/media/dvd")), std::nullopt);
    settings.rememberCollectionFolder(folder.path());
    EXPECT_TRUE(settings.sync());
    EXPECT_EQ(UserSettings(file).lastCollectionFolder(), QDir(folder.path()).canonicalPath());
}

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

struct SettingsFileInPlace {
    const char* name;
    QByteArray bytes;   // of the file the settings' name leads to
    bool throughALink;  // the name a symbolic link to that file elsewhere
    bool readsAsSettings;
};

void PrintTo(const SettingsFileInPlace& file, std::ostream* out) {
    *out << file.name;
}

class SettingsFile : public ::testing::TestWithParam<SettingsFileInPlace> {};

// Whatever lies where the settings go, a write never reaches another file
// through a link, and what cannot be read as settings is set aside whole.
TEST_P(SettingsFile, IsWrittenAsAFileOfItsOwnOrSetAside) {
    QTemporaryDir folder;
    const QString file = QDir(folder.path()).filePath(QStringLiteral("corvanel.conf"));
    const QString elsewhere = QDir(folder.path()).filePath(QStringLiteral("outro.txt"));
    const QString aside = file + QStringLiteral(".danificado");
    const SettingsFileInPlace& given = GetParam();
    writeBytes(given.throughALink ? elsewhere : file, given.bytes);
    if (given.throughALink) {
        ASSERT_TRUE(QFile::link(elsewhere, file));
    }
    {
        UserSettings settings(file);
        EXPECT_EQ(settings.lastCollectionFolder().isEmpty(), !given.readsAsSettings);
        settings.rememberCollectionFolder(folder.path());
        EXPECT_TRUE(settings.sync());
    }
    EXPECT_FALSE(QFileInfo(file).isSymLink());
    EXPECT_EQ(UserSettings(file).lastCollectionFolder(), QDir(folder.path()).canonicalPath());
    if (given.throughALink) {
        EXPECT_EQ(bytesOf(elsewhere), given.bytes);
    }
    if (!given.readsAsSettings) {
        EXPECT_TRUE(QFileInfo(aside).isSymLink() || bytesOf(aside) == given.bytes);
    } else {
        EXPECT_FALSE(QFileInfo::exists(aside));
    }
}

const QByteArray kSettings = "[colecao]\nultima=/media/dvd\n";
const QByteArray kNotes = "lembrete: renovar a assinatura\nsem sinal de igual\n";

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsFile,
    ::testing::Values(SettingsFileInPlace{"Settings", kSettings, false, true},
                      SettingsFileInPlace{"Notes", kNotes, false, false},
                      SettingsFileInPlace{"Binary",
                                          QByteArray("\x7f"
                                                     "ELF\x02\x01\0\0",
                                                     8),
                                          false, false},
                      SettingsFileInPlace{"LinkToSettings", kSettings, true, true},
                      SettingsFileInPlace{"LinkToNotes", kNotes, true, false}),
    [](const ::testing::TestParamInfo<SettingsFileInPlace>& file) { return file.param.name; });

}  // namespace
}  // namespace corvanel
