#pragma once

#include <QString>

namespace corvanel::collection {

enum class FileKind {
    Missing,
    BrokenLink,   // a symbolic link to nothing, when links are followed
    Unreachable,  // stat failed for another reason; see FileStatus::error
    RegularFile,
    Folder,
    SymbolicLink,  // only when links are not followed
    Fifo,
    Device,
    Socket,
};

enum class Links { Follow, DoNotFollow };

struct FileStatus {
    FileKind kind = FileKind::Missing;
    int error = 0;  // errno, for Unreachable
};

FileStatus fileStatus(const QString& path, Links links);

// The words that finish "o catálogo \"x\" ..." when a regular file was
// wanted, e.g. "é uma pasta, não um arquivo" or "não é um arquivo comum: é um
// dispositivo". Empty for a regular file.
QString notARegularFile(const FileStatus& status);

// The same when a folder was wanted, e.g. "é um arquivo, não uma pasta".
QString notAFolder(const FileStatus& status);

// A system error (errno) in Portuguese.
QString systemErrorText(int error);

}  // namespace corvanel::collection
