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

// Changes the collection's file as a hand with the engine could.
std::function<void(const TestCollection&)> craft(const char* sql) {
    return [sql](const TestCollection& c) {
        sqlite::Connection(c.databasePath(), sqlite::OpenMode::ReadWrite).executeScript(sql);
    };
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
                    "senha inválida."},
        // What a received file's schema says is never run, nor read past.
        DamagedFile{"EndlessViewForCards",
                    craft("drop table LABELS;"
                          "create view LABELS as with recursive n(i) as (select 1 union all "
                          "select i + 1 from n) select i as cod, '' as titulo, '' as subtitulo,"
                          " '' as sessao, '' as categoria, '' as pchave from n"),
                    "não é uma coleção do Corvanel (tem a visão \"LABELS\")."},
        DamagedFile{"TriggerOnControl",
                    craft("create trigger esvazia after update on CONTROLE "
                          "begin delete from TEXTOS; end"),
                    "não é uma coleção do Corvanel (tem o gatilho \"esvazia\")."},
        DamagedFile{"UnknownTable", craft("create table notas (texto text)"),
                    "não é uma coleção do Corvanel (tem a tabela \"notas\", que o programa "
                    "não escreve)."},
        DamagedFile{"MissingColumn", craft("alter table LABELS drop column pchave"),
                    "não é uma coleção do Corvanel (falta a coluna \"pchave\" da tabela "
                    "\"LABELS\")."},
        DamagedFile{"MissingTexts", craft("drop table TEXTOS"),
                    "não é uma coleção do Corvanel (falta a tabela TEXTOS)."},
        DamagedFile{"IndexOnAnExpression", craft("create index calcula on LABELS (length(titulo))"),
                    "não é uma coleção do Corvanel (o índice \"calcula\" calcula expressões)."},
        DamagedFile{"GeneratedColumn",
                    craft("alter table TEXTOS add column tamanho generated always as "
                          "(length(conteudo)) virtual"),
                    "não é uma coleção do Corvanel (a tabela \"TEXTOS\" tem colunas "
                    "calculadas)."},
        DamagedFile{"OtherKindOfIndexTable",
                    craft("drop table TITLE_ORDER;"
                          "create virtual table TITLE_ORDER using fts5(row, cod, lugar)"),
                    "não é uma coleção do Corvanel (a tabela \"TITLE_ORDER\" não é do tipo "
                    "que o programa escreve)."},
        DamagedFile{"MadeUpTextRowNumber",
                    craft("insert into TEXTOS (rowid, cod_texto, conteudo) "
                          "values (1099511627776, 1, 'x')"),
                    "mas uma delas "
                    "tem o número 1099511627776)."}),
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

// Collections from the earlier builders open as they did.
TEST(OpeningACollection, OpensOlderCollectionsWithoutTheSearchIndexOrItsShortStrings) {
    const QList<testing::TestCard> cards = testing::fixtureCards(q("listings.jsonl"));
    for (const TestCollection::Options& options :
         {TestCollection::Options{.root = {}, .withSearchIndex = false},
          TestCollection::Options{.root = {}, .withShortStringIndex = false}}) {
        const TestCollection collection(cards, options);
        Database database(collection.connectionString());
        int listed = 0;
        database.searchWords(q("a"), SearchScope::allSections(),
                             [&](const ListedDocument&) { ++listed; });
        EXPECT_GT(listed, 0);
    }
}

struct OutOfRangeValue {
    const char* name;
    const char* sql;
    std::function<void(Database&)> use;
};

void PrintTo(const OutOfRangeValue& value, std::ostream* out) {
    *out << value.name;
}

class AStoredValueOutOfRange : public ::testing::TestWithParam<OutOfRangeValue> {};

// A value that would size an allocation by itself is checked against the
// collection's rows first.
TEST_P(AStoredValueOutOfRange, IsDamageNotAnAllocation) {
    const TestCollection collection(testing::fixtureCards(q("listings.jsonl")));
    sqlite::Connection(collection.databasePath(), sqlite::OpenMode::ReadWrite)
        .executeScript(GetParam().sql);
    Database database(collection.connectionString());
    try {
        GetParam().use(database);
        FAIL() << "used";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(sqlite::isDamaged(error));
        EXPECT_TRUE(error.message().contains(q("o arquivo da coleção está danificado (")))
            << error.message().toStdString();
    }
}

const auto kListAll = [](Database& db) { db.listCollection([](const ListedDocument&) {}); };

INSTANTIATE_TEST_SUITE_P(
    Values, AStoredValueOutOfRange,
    ::testing::Values(
        OutOfRangeValue{"TitleOrderRowBeyondTheTexts",
                        "update TITLE_ORDER set row = 3000000000 where rank = 0", kListAll},
        OutOfRangeValue{"TitleOrderRowTwice",
                        "create table T as select * from TITLE_ORDER; drop table TITLE_ORDER;"
                        "create table TITLE_ORDER (row integer, cod integer, rank integer);"
                        "insert into TITLE_ORDER select * from T; drop table T;"
                        "update TITLE_ORDER set row = (select min(row) from TITLE_ORDER)"
                        " where rank = 1",
                        kListAll},
        OutOfRangeValue{"ShortStringBitmapLongerThanTheRows",
                        "update SEARCH_SHORT set rows = zeroblob(1048576) where chars = x'61'",
                        [](Database& db) {
                            db.searchWords(q("a"), SearchScope::allSections(),
                                           [](const ListedDocument&) {});
                        }}),
    [](const ::testing::TestParamInfo<OutOfRangeValue>& value) { return value.param.name; });

struct FileChange {
    const char* name;
    std::function<void(const QString&)> change;
};

void PrintTo(const FileChange& change, std::ostream* out) {
    *out << change.name;
}

class AFileChangedUnderneath : public ::testing::TestWithParam<FileChange> {};

// Copying an update over an open collection, or a stick pulled out: the
// next request says so, and the process lives on (a memory map of the file
// would end it with SIGBUS).
TEST_P(AFileChangedUnderneath, IsReportedNeverASignal) {
    const TestCollection collection(testing::fixtureCards(q("listings.jsonl")));
    Database database(collection.connectionString());
    const auto search = [&](const char* words) {
        int listed = 0;
        database.searchWords(q(words), SearchScope::allSections(),
                             [&](const ListedDocument&) { ++listed; });
        return listed;
    };
    ASSERT_GT(search("a"), 0);
    GetParam().change(collection.databasePath());
    try {
        search("de");
        search("estatuto");
        database.listCollection([](const ListedDocument&) {});
        ADD_FAILURE() << "no error";
    } catch (const DatabaseError& error) {
        EXPECT_TRUE(error.message().contains(sqlite::changedFileMessage()))
            << error.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, AFileChangedUnderneath,
    ::testing::Values(FileChange{"Emptied", [](const QString& path) { QFile(path).resize(0); }},
                      FileChange{"CutShort", [](const QString& path) { QFile(path).resize(4096); }},
                      FileChange{"CopiedOverWithOtherBytes",
                                 [](const QString& path) {
                                     writeBytes(
                                         path,
                                         randomBytes(static_cast<int>(QFileInfo(path).size() / 2)));
                                 }}),
    [](const ::testing::TestParamInfo<FileChange>& change) { return change.param.name; });

}  // namespace
}  // namespace corvanel
