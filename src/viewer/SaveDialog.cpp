#include "SaveDialog.h"

#include "Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvanel {

namespace {

constexpr QStringView kFirstFileName = u".htm";

// The folder the collection has always offered, where a Windows machine has
// it; otherwise the user's documents folder, or home when there is none.
QString startingFolder() {
    const QFileInfo collectionFolder(
        QDir::fromNativeSeparators(QStringLiteral("C:\\MeusDocumentos")));
    if (collectionFolder.isAbsolute() && collectionFolder.isDir()) {
        return collectionFolder.filePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

}  // namespace

QString SaveDialog::startingPath() const {
    return fileName_.isEmpty() ? QDir(startingFolder()).filePath(kFirstFileName.toString())
                               : fileName_;
}

QString SaveDialog::execute(QWidget* parent) {
    QString chosen = Prompts::current().saveFileName(parent, startingPath(), kFilter.toString());
    // A page saved without its extension would not open as a page.
    if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty()) {
        chosen += chosen.endsWith(u'.') ? kFirstFileName.mid(1) : kFirstFileName;
    }
    if (!chosen.isEmpty()) {
        fileName_ = chosen;
    }
    return chosen;
}

}  // namespace corvanel
