#include "Collection.h"

#include "ConnectionString.h"
#include "DatabaseError.h"

#include <QDir>
#include <QFileInfo>

namespace corvanel {

namespace {

// The section's row in the table of sections, found by the table's own lookup.
std::size_t positionOf(Section section) {
    return static_cast<std::size_t>(&sectionFacts(section) - kSections.data());
}

}  // namespace

Collection::Collection(QString connectionString) : connectionString_(std::move(connectionString)) {}

Collection::~Collection() = default;

void Collection::open(const Database::MessagePump& pump) {
    database_.reset();
    Database& opened = database();
    documentCount_ = opened.countDocuments(pump);
    for (const SectionFacts& section : kSections) {
        sectionTotals_.at(positionOf(section.section)) =
            opened.countSection(section.cardLetter.toString(), pump);
    }
    readContentRoot();
    edition_ = opened.edition();
}

QString Collection::folder() const {
    const QString database = parseConnectionString(connectionString_).dataSource;
    return database.isEmpty() ? QString() : QFileInfo(database).absolutePath();
}

void Collection::switchTo(QString connectionString) {
    database_.reset();
    connectionString_ = std::move(connectionString);
    contentRoot_.clear();
    edition_.clear();
    documentCount_.reset();
    sectionTotals_.fill(std::nullopt);
}

Database& Collection::database() {
    if (!database_) {
        if (connectionString_.isEmpty()) {
            throw DatabaseError(QStringLiteral("O banco de dados não foi aberto."));
        }
        database_ = std::make_unique<Database>(connectionString_);
        database_->startIndexingTexts();
    }
    return *database_;
}

void Collection::readContentRoot() {
    const QString stored = database().contentRoot();
    contentRoot_ = stored;
    if (stored.isEmpty()) {
        return;  // looked for in the working folder, as it always was
    }
    const QString ownFolder =
        QFileInfo(parseConnectionString(connectionString_).dataSource).absolutePath();
    // A Windows root such as "D:\" is no relative path, only a missing one.
    const bool relative = QDir::isRelativePath(stored) && !stored.contains(u'\\');
    if (relative) {
        const QString resolved = QDir(ownFolder).filePath(stored);
        if (QFileInfo(resolved).isDir()) {
            contentRoot_ = QDir::cleanPath(resolved) + u'/';
            return;
        }
    }
    const bool ownPages = QFileInfo(QDir(ownFolder).filePath(QStringLiteral("textos"))).isDir();
    if ((relative || !QFileInfo(stored).isDir()) && ownPages) {
        contentRoot_ = ownFolder + u'/';
    }
}

std::optional<int> Collection::sectionTotal(Section section) const {
    return sectionTotals_.at(positionOf(section));
}

}  // namespace corvanel
