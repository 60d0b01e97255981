#pragma once

#include <QDateTime>
#include <QList>
#include <QMap>
#include <QString>

#include <stdexcept>

namespace corvanel {

// Raised when favourites cannot be written, or a file cannot be imported;
// its text is what the user reads.
class FavouritesError : public std::runtime_error {
public:
    explicit FavouritesError(const QString& message);
};

// A document the user keeps, with a short note of why.
struct Favourite {
    QString pageName;
    QString title;
    QString note;
    QDateTime added;

    bool operator==(const Favourite&) const = default;
};

// The user's "Favoritos", kept per collection in a JSON file of the user's
// data folder (~/.local/share/Corvanel/favoritos.json), never in a
// collection. Every change writes the whole file through a temporary file
// renamed over it. A damaged file is set aside beside itself (".danificado")
// and the favourites start empty. A reading list goes to and comes from a
// file of its own, so that a team can share it.
class FavouritesFile {
public:
    static constexpr qsizetype kLongestNote = 500;

    FavouritesFile();  // the user's own
    explicit FavouritesFile(QString filePath);

    static QString defaultFilePath();
    const QString& filePath() const { return filePath_; }

    // In the order they were added.
    QList<Favourite> list(const QString& collection) const;
    bool contains(const QString& collection, const QString& pageName) const;
    // A page already kept keeps its place and its date; title and note are
    // replaced, the note only when one is given.
    void add(const QString& collection, Favourite favourite);
    void setNote(const QString& collection, const QString& pageName, const QString& note);
    void remove(const QString& collection, const QString& pageName);

    void exportTo(const QString& collection, const QString& path) const;
    // Adds the file's favourites that the collection does not keep yet and
    // returns how many; throws FavouritesError for a file that is not a
    // reading list, leaving the favourites as they were.
    int importFrom(const QString& collection, const QString& path);

    // Whether a page name read from a file can name a page of the content
    // folder: no folders, no parent, no address parts.
    static bool isPageName(const QString& pageName);

private:
    void load();
    void write() const;
    // After a change: on failure the favourites are as they were before it.
    void writeOrUndo(const QMap<QString, QList<Favourite>>& before);

    QString filePath_;
    QMap<QString, QList<Favourite>> byCollection_;
};

}  // namespace corvanel
