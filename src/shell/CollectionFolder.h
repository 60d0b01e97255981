#pragma once

#include <QString>
#include <QUrl>

#include <utility>

namespace corvanel {

// The folder a collection's pages may read from: the content root and what
// lies under it, with links resolved, so that neither "..", nor a link, nor
// another spelling of a path leads out of it. An empty root names no folder:
// then nothing local is inside.
class CollectionFolder {
public:
    CollectionFolder() = default;

    // The folder of a content root as stored (see ContentAddress).
    static CollectionFolder fromContentRoot(const QString& root);

    // Whether url is a local file or folder inside this folder.
    bool contains(const QUrl& url) const;

    // The folder's path, without a trailing separator (but "/" itself);
    // empty when there is none.
    const QString& path() const { return path_; }

private:
    explicit CollectionFolder(QString path) : path_(std::move(path)) {}

    QString path_;
};

}  // namespace corvanel
