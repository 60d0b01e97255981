#pragma once

#include "Card.h"

#include <QByteArray>
#include <QDir>
#include <QString>

namespace corvanel::bench {

// The content folder of a generated collection: each document's page
// textos/<cod>.htm and the fixed files the program opens by name. Every
// call throws collection::BuildError when a file cannot be written.
class GeneratedPages {
public:
    explicit GeneratedPages(const QString& contentRoot);

    // The card's title, sub-title and texts (a paragraph a line), in UTF-8.
    void write(const collection::Card& card) const;
    // Each fixed file of ContentFiles: a short page telling what it is for.
    void writeFixedFiles() const;

private:
    void save(const QString& relativePath, const QByteArray& bytes) const;

    QDir root_;
};

}  // namespace corvanel::bench
