#include "UserSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvanel {

namespace {

constexpr QStringView kLastCollection = u"colecao/ultima";
constexpr QStringView kContentRoots = u"raizesDeConteudo";
constexpr QStringView kCollection = u"colecao";
constexpr QStringView kContentRoot = u"raiz";

// A file QSettings cannot read is moved out of the way before it is opened,
// so that the next write does not build on its remains.
QString usableFile(const QString& filePath) {
    {
        const QSettings probe(filePath, QSettings::IniFormat);
        if (probe.status() != QSettings::FormatError) {
            return filePath;
        }
    }
    const QString setAside = filePath + QStringLiteral(".danificado");
    QFile::remove(setAside);
    if (!QFile::rename(filePath, setAside)) {
        QFile::remove(filePath);
    }
    return filePath;
}

// One spelling per folder, so that "/a/b/" and "/a/b" are the same collection.
QString folderKey(const QString& folder) {
    const QFileInfo info(folder);
    const QString canonical = info.canonicalFilePath();
    return QDir::cleanPath(canonical.isEmpty() ? info.absoluteFilePath() : canonical);
}

}  // namespace

UserSettings::UserSettings() : UserSettings(defaultFilePath()) {}

UserSettings::UserSettings(const QString& filePath)
    : settings_(usableFile(filePath), QSettings::IniFormat) {}

QString UserSettings::defaultFilePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("Corvanel/corvanel.conf"));
}

QString UserSettings::lastCollectionFolder() const {
    return settings_.value(kLastCollection.toString()).toString();
}

void UserSettings::rememberCollectionFolder(const QString& folder) {
    settings_.setValue(kLastCollection.toString(), folderKey(folder));
}

std::optional<QString> UserSettings::contentRootFor(const QString& collectionFolder) const {
    QSettings& settings = settings_;
    const QString wanted = folderKey(collectionFolder);
    std::optional<QString> found;
    const int count = settings.beginReadArray(kContentRoots.toString());
    for (int i = 0; i < count && !found; ++i) {
        settings.setArrayIndex(i);
        if (settings.value(kCollection.toString()).toString() == wanted) {
            found = settings.value(kContentRoot.toString()).toString();
        }
    }
    settings.endArray();
    return found;
}

void UserSettings::storeContentRoot(const QString& collectionFolder, const QString& contentRoot) {
    const QString wanted = folderKey(collectionFolder);
    QList<std::pair<QString, QString>> entries;
    const int count = settings_.beginReadArray(kContentRoots.toString());
    for (int i = 0; i < count; ++i) {
        settings_.setArrayIndex(i);
        const QString collection = settings_.value(kCollection.toString()).toString();
        if (collection != wanted) {
            entries.append({collection, settings_.value(kContentRoot.toString()).toString()});
        }
    }
    settings_.endArray();
    entries.append({wanted, contentRoot});

    settings_.remove(kContentRoots.toString());
    settings_.beginWriteArray(kContentRoots.toString(), static_cast<int>(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings_.setArrayIndex(i);
        settings_.setValue(kCollection.toString(), entries.at(i).first);
        settings_.setValue(kContentRoot.toString(), entries.at(i).second);
    }
    settings_.endArray();
}

bool UserSettings::sync() {
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

}  // namespace corvanel
