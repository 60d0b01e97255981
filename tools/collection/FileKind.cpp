#include "FileKind.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <sys/stat.h>

namespace corvanel::collection {

namespace {

FileKind kindOf(mode_t mode) {
    if (S_ISREG(mode)) {
        return FileKind::RegularFile;
    }
    if (S_ISDIR(mode)) {
        return FileKind::Folder;
    }
    if (S_ISLNK(mode)) {
        return FileKind::SymbolicLink;
    }
    if (S_ISFIFO(mode)) {
        return FileKind::Fifo;
    }
    if (S_ISSOCK(mode)) {
        return FileKind::Socket;
    }
    return FileKind::Device;
}

// "um FIFO", to follow "é".
QString kindName(FileKind kind) {
    switch (kind) {
        case FileKind::RegularFile:
            return QStringLiteral("um arquivo");
        case FileKind::Folder:
            return QStringLiteral("uma pasta");
        case FileKind::SymbolicLink:
            return QStringLiteral("um link simbólico");
        case FileKind::Fifo:
            return QStringLiteral("um FIFO (pipe nomeado)");
        case FileKind::Device:
            return QStringLiteral("um dispositivo");
        case FileKind::Socket:
            return QStringLiteral("um socket");
        case FileKind::Missing:
        case FileKind::BrokenLink:
        case FileKind::Unreachable:
            break;
    }
    return {};
}

// The words for what is not there at all, or empty.
QString absence(const FileStatus& status) {
    switch (status.kind) {
        case FileKind::Missing:
            return QStringLiteral("não existe");
        case FileKind::BrokenLink:
            return QStringLiteral("não existe (é um link simbólico quebrado)");
        case FileKind::Unreachable:
            return u"está inacessível: " + systemErrorText(status.error);
        default:
            return {};
    }
}

}  // namespace

FileStatus fileStatus(const QString& path, Links links) {
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    const int rc =
        links == Links::Follow ? ::stat(name.constData(), &info) : ::lstat(name.constData(), &info);
    if (rc == 0) {
        return {kindOf(info.st_mode), 0};
    }
    const int error = errno;
    if (error != ENOENT) {
        return {FileKind::Unreachable, error};
    }
    if (links == Links::Follow && ::lstat(name.constData(), &info) == 0) {
        return {FileKind::BrokenLink, 0};
    }
    return {FileKind::Missing, 0};
}

QString notARegularFile(const FileStatus& status) {
    switch (status.kind) {
        case FileKind::RegularFile:
            return {};
        case FileKind::Folder:
            return QStringLiteral("é uma pasta, não um arquivo");
        default: {
            const QString missing = absence(status);
            return missing.isEmpty() ? u"não é um arquivo comum: é " + kindName(status.kind)
                                     : missing;
        }
    }
}

QString notAFolder(const FileStatus& status) {
    if (status.kind == FileKind::Folder) {
        return {};
    }
    const QString missing = absence(status);
    return missing.isEmpty() ? u"é " + kindName(status.kind) + u", não uma pasta" : missing;
}

QString systemErrorText(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return QStringLiteral("permissão negada");
        case ENOENT:
            return QStringLiteral("não existe");
        case ENOTDIR:
            return QStringLiteral("uma parte do caminho não é uma pasta");
        case EISDIR:
            return QStringLiteral("é uma pasta");
        case ELOOP:
            return QStringLiteral("links simbólicos demais no caminho");
        case ENAMETOOLONG:
            return QStringLiteral("caminho longo demais");
        case EROFS:
            return QStringLiteral("o sistema de arquivos só permite leitura");
        case ENOSPC:
            return QStringLiteral("não há espaço no disco");
        case EDQUOT:
            return QStringLiteral("a cota de disco acabou");
        case EIO:
            return QStringLiteral("erro de entrada e saída no disco");
        case EXDEV:
            return QStringLiteral("os caminhos estão em sistemas de arquivos diferentes");
        case EBUSY:
            return QStringLiteral("o arquivo está em uso");
        default:
            return QString::fromLocal8Bit(std::strerror(error));
    }
}

}  // namespace corvanel::collection
