#include "Favourites.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace corvanel {

namespace {

constexpr int kVersion = 1;
constexpr QStringView kListFormat = u"corvanel-favoritos";
// A reading list is small; a larger file is not one.
constexpr qint64 kLargestFile = qint64{8} * 1024 * 1024;
constexpr qsizetype kLongestTitle = 300;
constexpr qsizetype kLongestPageName = 120;

QJsonObject toJson(const Favourite& favourite) {
    return {{QStringLiteral("documento"), favourite.pageName},
            {QStringLiteral("titulo"), favourite.title},
            {QStringLiteral("nota"), favourite.note},
            {QStringLiteral("adicionado"), favourite.added.toString(Qt::ISODate)}};
}

QJsonArray toJson(const QList<Favourite>& favourites) {
    QJsonArray array;
    for (const Favourite& favourite : favourites) {
        array.append(toJson(favourite));
    }
    return array;
}

// The favourites of array that make sense; others are passed over.
QList<Favourite> fromJson(const QJsonArray& array) {
    QList<Favourite> favourites;
    for (const auto& value : array) {
        const QJsonObject object = value.toObject();
        Favourite favourite{
            object.value(u"documento").toString(),
            object.value(u"titulo").toString().left(kLongestTitle),
            object.value(u"nota").toString().left(FavouritesFile::kLongestNote),
            QDateTime::fromString(object.value(u"adicionado").toString(), Qt::ISODate)};
        const bool known = std::any_of(favourites.cbegin(), favourites.cend(), [&](const auto& f) {
            return f.pageName == favourite.pageName;
        });
        if (FavouritesFile::isPageName(favourite.pageName) && !known) {
            favourites << favourite;
        }
    }
    return favourites;
}

void writeJson(const QString& path, const QJsonObject& object) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    const QByteArray bytes = QJsonDocument(object).toJson(QJsonDocument::Indented);
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return;
    }
    throw FavouritesError(QStringLiteral("Os favoritos não puderam ser gravados em \"%1\" (%2).")
                              .arg(QDir::toNativeSeparators(path), file.errorString()));
}

}  // namespace

FavouritesError::FavouritesError(const QString& message)
    : std::runtime_error(message.toStdString()) {}

FavouritesFile::FavouritesFile() : FavouritesFile(defaultFilePath()) {}

FavouritesFile::FavouritesFile(QString filePath) : filePath_(std::move(filePath)) {
    load();
}

QString FavouritesFile::defaultFilePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath(QStringLiteral("Corvanel/favoritos.json"));
}

bool FavouritesFile::isPageName(const QString& pageName) {
    static const QRegularExpression unsafe(QStringLiteral(R"([/\\?#:%\x00-\x1f])"));
    return !pageName.isEmpty() && pageName.size() <= kLongestPageName &&
           !pageName.startsWith(u'.') && !pageName.contains(unsafe);
}

void FavouritesFile::load() {
    QFile file(filePath_);
    if (!file.exists()) {
        return;
    }
    QJsonParseError error{};
    const QJsonDocument document = file.open(QIODevice::ReadOnly)
                                       ? QJsonDocument::fromJson(file.read(kLargestFile), &error)
                                       : QJsonDocument();
    file.close();
    if (!document.isObject() || error.error != QJsonParseError::NoError) {
        // Set aside rather than written over: the user may want it back.
        const QString aside = filePath_ + QStringLiteral(".danificado");
        QFile::remove(aside);
        QFile::rename(filePath_, aside);
        return;
    }
    const QJsonObject collections = document.object().value(u"colecoes").toObject();
    for (auto collection = collections.begin(); collection != collections.end(); ++collection) {
        const QList<Favourite> favourites = fromJson(collection.value().toArray());
        if (!favourites.isEmpty()) {
            byCollection_.insert(collection.key(), favourites);
        }
    }
}

void FavouritesFile::write() const {
    QJsonObject collections;
    for (auto collection = byCollection_.begin(); collection != byCollection_.end(); ++collection) {
        collections.insert(collection.key(), toJson(collection.value()));
    }
    writeJson(filePath_,
              {{QStringLiteral("versao"), kVersion}, {QStringLiteral("colecoes"), collections}});
}

void FavouritesFile::writeOrUndo(const QMap<QString, QList<Favourite>>& before) {
    try {
        write();
    } catch (...) {
        byCollection_ = before;
        throw;
    }
}

QList<Favourite> FavouritesFile::list(const QString& collection) const {
    return byCollection_.value(collection);
}

bool FavouritesFile::contains(const QString& collection, const QString& pageName) const {
    const QList<Favourite> favourites = list(collection);
    return std::any_of(favourites.cbegin(), favourites.cend(),
                       [&](const Favourite& favourite) { return favourite.pageName == pageName; });
}

void FavouritesFile::add(const QString& collection, Favourite favourite) {
    if (!isPageName(favourite.pageName)) {
        return;
    }
    favourite.title = favourite.title.left(kLongestTitle);
    favourite.note = favourite.note.left(kLongestNote);
    const auto before = byCollection_;
    QList<Favourite>& favourites = byCollection_[collection];
    const auto kept = std::find_if(favourites.begin(), favourites.end(), [&](const Favourite& f) {
        return f.pageName == favourite.pageName;
    });
    if (kept == favourites.end()) {
        if (!favourite.added.isValid()) {
            favourite.added = QDateTime::currentDateTime();
        }
        favourites << favourite;
    } else {
        if (!favourite.title.isEmpty()) {
            kept->title = favourite.title;
        }
        if (!favourite.note.isEmpty()) {
            kept->note = favourite.note;
        }
    }
    writeOrUndo(before);
}

void FavouritesFile::setNote(const QString& collection, const QString& pageName,
                             const QString& note) {
    const auto before = byCollection_;
    for (Favourite& favourite : byCollection_[collection]) {
        if (favourite.pageName == pageName) {
            favourite.note = note.left(kLongestNote);
        }
    }
    writeOrUndo(before);
}

void FavouritesFile::remove(const QString& collection, const QString& pageName) {
    const auto before = byCollection_;
    QList<Favourite>& favourites = byCollection_[collection];
    favourites.removeIf([&](const Favourite& favourite) { return favourite.pageName == pageName; });
    if (favourites.isEmpty()) {
        byCollection_.remove(collection);
    }
    writeOrUndo(before);
}

void FavouritesFile::exportTo(const QString& collection, const QString& path) const {
    writeJson(path, {{QStringLiteral("formato"), kListFormat.toString()},
                     {QStringLiteral("versao"), kVersion},
                     {QStringLiteral("favoritos"), toJson(list(collection))}});
}

int FavouritesFile::importFrom(const QString& collection, const QString& path) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw FavouritesError(QStringLiteral("O arquivo \"%1\" não pôde ser lido (%2).")
                                  .arg(shown, file.errorString()));
    }
    if (file.size() > kLargestFile) {
        throw FavouritesError(
            QStringLiteral("O arquivo \"%1\" não é uma lista de favoritos.").arg(shown));
    }
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    if (object.value(u"formato").toString() != kListFormat ||
        !object.value(u"favoritos").isArray()) {
        throw FavouritesError(
            QStringLiteral("O arquivo \"%1\" não é uma lista de favoritos.").arg(shown));
    }
    int added = 0;
    const auto before = byCollection_;
    for (Favourite favourite : fromJson(object.value(u"favoritos").toArray())) {
        if (contains(collection, favourite.pageName)) {
            continue;
        }
        if (!favourite.added.isValid()) {
            favourite.added = QDateTime::currentDateTime();
        }
        byCollection_[collection] << favourite;
        ++added;
    }
    if (added > 0) {
        writeOrUndo(before);
    }
    return added;
}

}  // namespace corvanel
