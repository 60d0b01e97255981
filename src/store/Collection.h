#pragma once

#include "Database.h"
#include "Sections.h"

#include <QString>

#include <array>
#include <memory>
#include <optional>

namespace corvanel {

// The collection the program shows: the connection to its database, the
// folder of its pages (the content root) and its totals. The application
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

    // Opens the database, counts the collection and each of its sections and
    // reads the content root, letting pending window messages through after
    // each count. Stops at the first error and raises it (DatabaseError); what
    // was done stays done.
    void open(const Database::MessagePump& pump = {});

    // Forgets the collection open now (connection, content root, totals) for
    // the one at connectionString; open() then opens it.
    void switchTo(QString connectionString);

    // The open database, opened now when it is not. Throws DatabaseError.
    Database& database();
    bool isOpen() const { return database_ != nullptr; }

    // Reads the content root stored in the database. A collection folder may
    // be moved or copied: a stored root that is relative, or that does not
    // exist while the collection's own folder holds textos/, gives way to the
    // collection's own folder.
    void readContentRoot();
    // The folder holding the marker file and textos/, ending in a separator;
    // empty until read.
    const QString& contentRoot() const { return contentRoot_; }
    // After the content-location screen has stored a new one.
    void setContentRoot(QString folder) { contentRoot_ = std::move(folder); }

    // The edition line the collection names, empty when none; read by open().
    const QString& edition() const { return edition_; }
    // The folder holding the database.
    QString folder() const;

    // None until counted.
    std::optional<int> documentCount() const { return documentCount_; }
    std::optional<int> sectionTotal(Section section) const;

private:
    QString connectionString_;
    std::unique_ptr<Database> database_;
    QString contentRoot_;
    QString edition_;
    std::optional<int> documentCount_;
    std::array<std::optional<int>, kSectionCount> sectionTotals_{};
};

}  // namespace corvanel
