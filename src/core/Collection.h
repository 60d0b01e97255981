#pragma once

#include "ContentFolder.h"
#include "Database.h"
#include "Sections.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace corvanel {

// The collection the program shows: the connection to its database, the
// folder of its pages (the content folder) and its totals. The application
// owns one and hands it to the windows that need it.
//
// A request that finds the database closed (opening failed at start) tries
// to open it again, so the user reads the reason in the error box and the
// program recovers once the file is back.
class Collection {
public:
    explicit Collection(QString connectionString = {});
    ~Collection();
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;
    // An opened collection is handed over whole: from the thread that opened
    // it to the one that shows it, or into the object the windows hold.
    Collection(Collection&&) noexcept;
    Collection& operator=(Collection&&) noexcept;

    // Opens the collection in programFolder: its database, its totals, and
    // its content folder, decided once here (see chooseContentFolder; the
    // user's own choice comes from usersChoice). Pumps nothing, so it may
    // run on any thread; the connection then goes to one thread at a time
    // with the object. Throws DatabaseError.
    static Collection open(const QString& programFolder,
                           const std::optional<QString>& usersChoice = std::nullopt);

    // The open database, opened now when it is not. Throws DatabaseError.
    Database& database();
    bool isOpen() const { return database_ != nullptr; }

    // Decides the content folder from the root stored in the database
    // alone, for a program that reads the collection without the user's
    // settings (the query tool). Throws DatabaseError.
    void readContentRoot();
    const ContentFolder& contentFolder() const { return contentFolder_; }
    // The content folder's path ending in a separator, for the addresses
    // the windows build; empty when there is no folder.
    const QString& contentRoot() const { return contentRoot_; }
    // A root taken as it is, for windows tested without a collection on
    // disk: their addresses carry this text, and the folder is what it names.
    void setContentRoot(const QString& root);

    // The edition line the collection names, empty when none; read by open().
    const QString& edition() const { return edition_; }
    // The folder holding the database.
    QString folder() const;

    // None until counted.
    std::optional<int> documentCount() const { return documentCount_; }
    std::optional<int> sectionTotal(Section section) const;

private:
    void decideContentFolder(const std::optional<QString>& usersChoice);

    QString connectionString_;
    std::unique_ptr<Database> database_;
    ContentFolder contentFolder_;
    QString contentRoot_;
    QString edition_;
    std::optional<int> documentCount_;
    std::array<std::optional<int>, kSectionCount> sectionTotals_{};
};

}  // namespace corvanel
