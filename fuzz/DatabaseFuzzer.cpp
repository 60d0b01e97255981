// A received db3.mdb of arbitrary bytes (schema, stored values, the FTS5
// tables): it is opened and searched as the program would, and every
// failure is a DatabaseError, never a crash, a hang or a runaway allocation.
#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using corvanel::Database;
using corvanel::DatabaseError;
using corvanel::ListedDocument;
using corvanel::SearchScope;

namespace {

// Words of every engine: one and two characters (the short strings), a
// phrase of trigrams, and one longer than a phrase is asked as.
const QStringList& words() {
    static const QStringList list{
        QStringLiteral("a"),
        QStringLiteral("de"),
        QStringLiteral("competência"),
        QStringLiteral("a competência do juiz de direito é do foro do domicílio"),
        QString(),
    };
    return list;
}

void use(Database& database) {
    const auto ignore = [](const ListedDocument&) {};
    database.countDocuments();
    database.listCollection(ignore);
    database.listCategory(QStringLiteral("B01"), ignore);
    for (const QString& word : words()) {
        database.searchWords(word, SearchScope::allSections(), ignore);
    }
    database.searchWords(QStringLiteral("agua"), SearchScope::section(QStringLiteral("A")), ignore);
    database.contentRoot();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("db3.mdb"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
            file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) !=
                static_cast<qint64>(size)) {
            std::abort();
        }
    }
    try {
        Database database(corvanel::connectionStringForFile(path));
        use(database);
    } catch (const DatabaseError& error) {
        if (error.message().isEmpty()) {
            std::abort();
        }
    }
    return 0;
}
