#include "SaveDialog.h"

#include "Prompts.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace corvanel {

namespace {

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

SaveDialog::SaveDialog(QStringView filter, QStringView extension)
    : filter_(filter.toString()), extension_(extension.toString()) {}

QString SaveDialog::startingPath(const QString& suggestedName) const {
    const QString folder =
        !lastFolder_.isEmpty() && QFileInfo(lastFolder_).isDir() ? lastFolder_ : startingFolder();
    if (!suggestedName.isEmpty()) {
        return QDir(folder).filePath(suggestedName);
    }
    return fileName_.isEmpty() ? QDir(folder).filePath(extension_) : fileName_;
}

QString SaveDialog::execute(QWidget* parent, const QString& suggestedName) {
    QString chosen = Prompts::current().saveFileName(parent, startingPath(suggestedName), filter_);
    // A file saved without its extension would not open as what it is.
    if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty()) {
        chosen += chosen.endsWith(u'.') ? extension_.mid(1) : extension_;
    }
    if (!chosen.isEmpty()) {
        fileName_ = chosen;
    }
    return chosen;
}

}  // namespace corvanel
