#include "Collection.h"

#include "ConnectionString.h"
#include "ContentRootStore.h"
#include "DatabaseError.h"

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
Collection::Collection(Collection&&) noexcept = default;
Collection& Collection::operator=(Collection&&) noexcept = default;

Collection Collection::open(const QString& programFolder,
                            const std::optional<QString>& usersChoice) {
    Collection opened(connectionStringFor(programFolder));
    Database& database = opened.database();
    opened.documentCount_ = database.countDocuments();
    for (const SectionFacts& section : kSections) {
        opened.sectionTotals_.at(positionOf(section.section)) =
            database.countSection(section.cardLetter.toString());
    }
    opened.decideContentFolder(usersChoice);
    opened.edition_ = database.edition();
    return opened;
}

QString Collection::folder() const {
    const QString database = parseConnectionString(connectionString_).dataSource;
    return database.isEmpty() ? QString() : QFileInfo(database).absolutePath();
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
    decideContentFolder(std::nullopt);
}

void Collection::decideContentFolder(const std::optional<QString>& usersChoice) {
    const QString stored = database().contentRoot();
    const QString ownFolder =
        QFileInfo(parseConnectionString(connectionString_).dataSource).absolutePath();
    contentFolder_ = ContentRootStore::chooseContentFolder(ownFolder, stored, usersChoice);
    contentRoot_ = contentFolder_.rootText();
}

void Collection::setContentRoot(const QString& root) {
    contentFolder_ = ContentFolder::fromRoot(root);
    contentRoot_ = root;
}

std::optional<int> Collection::sectionTotal(Section section) const {
    return sectionTotals_.at(positionOf(section));
}

}  // namespace corvanel
