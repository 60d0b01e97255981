#pragma once

#include "Card.h"

#include <QList>
#include <QString>

#include <memory>

namespace corvanel::collection {

class OutputFile;

// Writes a collection database into a temporary file beside outputPath and
// renames it over outputPath only on commit(), so a failed build leaves
// outputPath as it was and no temporary file behind (see OutputFile). Every
// call throws BuildError.
class CollectionWriter {
public:
    // Creates the tables (with the program's password) and stores root as the
    // content root (CONTROLE row topo = 1), unchanged, with the collection's
    // edition line (none when empty) in the same row.
    CollectionWriter(const QString& outputPath, const QString& root,
                     const QString& edition = QString());
    ~CollectionWriter();
    CollectionWriter(const CollectionWriter&) = delete;
    CollectionWriter& operator=(const CollectionWriter&) = delete;

    void add(const Card& card);
    void commit();

private:
    class Connection;
    // In this order, so the connection closes before the file goes.
    std::unique_ptr<OutputFile> output_;
    std::unique_ptr<Connection> connection_;
};

// Builds a whole collection from cards held in memory.
void writeCollection(const QString& outputPath, const QList<Card>& cards, const QString& root);

}  // namespace corvanel::collection
