#include "PageCopy.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace corvanel {

SaveFailed::SaveFailed(const QString& message) : std::runtime_error(message.toStdString()) {}

namespace PageCopy {

QByteArray readPage(const QString& file) {
    const QString shown = QDir::toNativeSeparators(file);
    const QString nothingSaved = QStringLiteral(" Nada foi salvo.");
    QFile page(file);
    if (!page.exists()) {
        throw SaveFailed(QStringLiteral("A página \"%1\" não foi encontrada.").arg(shown) +
                         nothingSaved);
    }
    QByteArray bytes;
    if (page.open(QIODevice::ReadOnly)) {
        bytes = page.readAll();
    }
    if (page.error() != QFileDevice::NoError) {
        throw SaveFailed(QStringLiteral("A página \"%1\" não pôde ser lida (%2).")
                             .arg(shown, page.errorString()) +
                         nothingSaved);
    }
    return bytes;
}

void writeWhole(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Unless committed, the temporary file goes with file and path is untouched.
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) {
        return;
    }
    throw SaveFailed(QStringLiteral("Cannot create file \"%1\". %2")
                         .arg(QDir::toNativeSeparators(path), file.errorString()));
}

}  // namespace PageCopy

}  // namespace corvanel
