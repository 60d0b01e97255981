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
    return QDir(folder).filePath(suggestedName);
}

QString SaveDialog::fileNameFor(const QString& title, const QString& fallback,
                                QStringView extension) {
    // Long enough for a statute's title, short of any file system's limit.
    constexpr qsizetype kMostCharacters = 120;
    const auto safe = [](const QString& text) {
        QString name;
        for (const QChar character : text) {
            const bool refused = character.category() == QChar::Other_Control ||
                                 QStringView(u"/\\:*?\"<>|").contains(character);
            name += refused ? QChar(u' ') : character;
        }
        name = name.simplified();
        while (name.startsWith(u'.') || name.startsWith(u' ')) {
            name.remove(0, 1);
        }
        name.truncate(kMostCharacters);
        while (name.endsWith(u'.') || name.endsWith(u' ')) {
            name.chop(1);
        }
        return name;
    };
    QString name = safe(title);
    if (name.isEmpty()) {
        name = safe(fallback);
    }
    if (name.isEmpty()) {
        name = QStringLiteral("documento");
    }
    return name + extension;
}

QString SaveDialog::execute(QWidget* parent, const QString& suggestedName) {
    QString chosen = Prompts::current().saveFileName(parent, startingPath(suggestedName), filter_);
    // A file saved without its extension would not open as what it is.
    if (!chosen.isEmpty() && QFileInfo(chosen).suffix().isEmpty()) {
        chosen += chosen.endsWith(u'.') ? extension_.mid(1) : extension_;
    }
    return chosen;
}

}  // namespace corvanel
