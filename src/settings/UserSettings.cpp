#include "UserSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QTemporaryFile>

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace corvanel {

namespace {

constexpr QStringView kLastCollection = u"colecao/ultima";
constexpr QStringView kContentRoots = u"raizesDeConteudo";
constexpr QStringView kCollection = u"colecao";
constexpr QStringView kContentRoot = u"raiz";

// Lines QSettings writes: blank, comments, [groups] and key=value, in UTF-8.
bool readsAsSettings(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(bytes);
    if (utf8.hasError()) {
        return false;
    }
    for (const QString& line : text.split(u'\n')) {
        const QString trimmed = line.trimmed();
        const bool control = std::any_of(trimmed.cbegin(), trimmed.cend(),
                                         [](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
        if (control) {
            return false;
        }
        if (trimmed.isEmpty() || trimmed.startsWith(u';') || trimmed.startsWith(u'#') ||
            (trimmed.startsWith(u'[') && trimmed.endsWith(u']'))) {
            continue;
        }
        if (!trimmed.contains(u'=')) {
            return false;
        }
    }
    return true;
}

// Links are moved as themselves, whatever they lead to.
void setAside(const QString& filePath) {
    const std::filesystem::path path(filePath.toStdU16String());
    std::filesystem::path aside = path;
    aside += u".danificado";
    std::error_code failed;
    std::filesystem::remove_all(aside, failed);
    std::filesystem::rename(path, aside, failed);
    if (failed) {
        std::filesystem::remove_all(path, failed);
    }
}

// The settings are written whole into a new file renamed over the old
// (QSettings does so), never through a symbolic link: a link is replaced
// by a copy of what it leads to, so that the other file is never written.
// A file that cannot be read, or holds what no settings file holds, is set
// aside beside itself, so that the next write does not build on its remains.
QString usableFile(const QString& filePath) {
    const QFileInfo file(filePath);
    if (!file.exists() && !file.isSymLink()) {
        return filePath;
    }
    QFile reading(filePath);
    const bool readable = file.isFile() && reading.open(QIODevice::ReadOnly);
    const QByteArray bytes = readable ? reading.readAll() : QByteArray();
    reading.close();
    if (!readable || !readsAsSettings(bytes) ||
        QSettings(filePath, QSettings::IniFormat).status() == QSettings::FormatError) {
        setAside(filePath);
        return filePath;
    }
    if (file.isSymLink()) {
        QTemporaryFile copy(filePath + QStringLiteral(".XXXXXX"));
        copy.setAutoRemove(false);
        std::error_code failed = std::make_error_code(std::errc::io_error);
        if (copy.open() && copy.write(bytes) == bytes.size() && copy.flush()) {
            copy.close();
            failed.clear();
            std::filesystem::rename(copy.fileName().toStdU16String(), filePath.toStdU16String(),
                                    failed);
        }
        if (failed || QFileInfo(filePath).isSymLink()) {
            QFile::remove(copy.fileName());
            setAside(filePath);
        }
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
