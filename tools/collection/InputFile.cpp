#include "InputFile.h"

#include "FileKind.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanel::collection {

QByteArray readRegularFile(const QString& path) {
    const FileStatus status = fileStatus(path, Links::Follow);
    if (status.kind != FileKind::RegularFile) {
        throw UnreadableFile{notARegularFile(status), status.kind == FileKind::Missing};
    }
    // Something else may take the name between the look and the open: the
    // open does not wait for a FIFO's writer, and what was opened is checked.
    const int descriptor =
        ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (descriptor < 0) {
        const int error = errno;
        throw UnreadableFile{u"está inacessível: " + systemErrorText(error), error == ENOENT};
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        throw UnreadableFile{u"está inacessível: " + file.errorString()};
    }
    struct stat opened {};
    if (::fstat(descriptor, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        throw UnreadableFile{QStringLiteral("deixou de ser um arquivo comum durante a leitura")};
    }
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        throw UnreadableFile{u"está ilegível: " + file.errorString()};
    }
    return data;
}

}  // namespace corvanel::collection
