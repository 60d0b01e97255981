#pragma once

#include <QList>
#include <QString>

// The files a collection's content folder must hold besides its documents'
// pages: the program opens each of them by a fixed name.
namespace corvanel::ContentFiles {

struct FixedFile {
    QString path;     // relative to the content root, with '/'
    QString purpose;  // what the program does with it, in Portuguese
};

// In the order a reader of the collection meets them.
QList<FixedFile> fixedFiles();

}  // namespace corvanel::ContentFiles
