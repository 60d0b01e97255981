#pragma once

#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>
#include <utility>

namespace corvanel {

// One file of the content folder, found once: where to read it and the URL
// the page browser loads.
struct ContentFile {
    QString filePath;
    QUrl url;
};

// The folder of a collection's pages, resolved once to its real path (links,
// "..", another spelling), and the one way to the files in it: each is found
// by joining names under that path and must still lie inside once its links
// are followed. The desktop's page browser and the web edition both read
// through it, so a collection reads its own files and nothing else.
//
// A root that does not exist, is the root of the file system or a folder of
// the system itself names no folder: then nothing local is inside.
class ContentFolder {
public:
    ContentFolder() = default;

    // The folder of a content root as stored: a local folder, or a Windows
    // root whose backslashes are separators here (see ContentAddress). A
    // relative root is read from the root of the file system, as an address
    // would be, never from the working folder.
    static ContentFolder fromRoot(const QString& root);

    bool isValid() const { return !path_.isEmpty(); }
    // The real path, without a trailing separator; empty when there is none.
    const QString& path() const { return path_; }
    // The path ending in a separator, as the windows' addresses carry it;
    // empty when there is none.
    QString rootText() const;

    // Whether path, once its links are followed, is this folder or lies in it.
    bool containsPath(const QString& path) const;
    // The same for a local file URL; false for any other.
    bool contains(const QUrl& url) const;

    // labels.dat, entrada2.htm, textos/NAME.htm (with the printing query for
    // printPage). None for a name that is no plain file name, or a file whose
    // links lead out of the folder. A file that does not exist is still
    // given: the browser shows its own page for it.
    std::optional<ContentFile> markerFile() const;
    std::optional<ContentFile> startPage() const;
    std::optional<ContentFile> page(QStringView name) const;
    std::optional<ContentFile> printPage(QStringView name) const;

    bool hasMarkerFile() const;

    friend bool operator==(const ContentFolder&, const ContentFolder&) = default;

private:
    explicit ContentFolder(QString path) : path_(std::move(path)) {}
    std::optional<ContentFile> file(QStringView subfolder, const QString& name) const;

    QString path_;
};

// Folders of the system itself, which no collection's pages may be: the root
// of the file system, the system's own folders and what lies under the ones
// holding its configuration and programs, and the user's home folder itself.
bool isSystemFolder(const QString& realPath);

// The real path of a file or folder, links followed; for one that does not
// exist, the real path of the nearest folder above it that does, joined with
// the rest, so that a link on the way still counts where it leads.
QString resolvedPath(const QString& path);

}  // namespace corvanel
