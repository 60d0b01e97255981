#pragma once

#include "Card.h"

#include <QList>
#include <QString>

#include <memory>

namespace corvanel::collection {

// Writes a collection database into a temporary file beside outputPath and
// renames it over outputPath only on commit(), so a failed build leaves
// outputPath as it was and no temporary file behind. Every call throws
// BuildError.
class CollectionWriter {
public:
    // Creates the tables (with the program's password) and stores root as the
    // content root (CONTROLE row topo = 1), unchanged.
    CollectionWriter(const QString& outputPath, const QString& root);
    ~CollectionWriter();
    CollectionWriter(const CollectionWriter&) = delete;
    CollectionWriter& operator=(const CollectionWriter&) = delete;

    void add(const Card& card);
    void commit();

private:
    class Connection;
    std::unique_ptr<Connection> connection_;
    QString outputPath_;
    QString temporaryPath_;
};

// Builds a whole collection from cards held in memory.
void writeCollection(const QString& outputPath, const QList<Card>& cards, const QString& root);

}  // namespace corvanel::collection
