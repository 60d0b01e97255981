#pragma once

#include <QString>
#include <QStringList>

namespace corvanel::collection {

struct CheckOptions {
    bool allowUnknownCodes = false;
};

struct CheckReport {
    int cards = 0;
    int pagesRead = 0;  // pages whose links were followed
    // One line each, "where: what is wrong", in the order found.
    QStringList problems;
};

// Checks the collection in folder (its db3.mdb and its pages) as the
// program will use it: every card's section and category codes known to the
// program, every document's page present, the search index (its short
// strings too) present, folded by this version's rules and equal to what
// the texts give, the fixed files
// present, and every
// link between the pages leading to a file inside the folder. Throws
// BuildError when folder holds no collection that can be read.
CheckReport checkCollection(const QString& folder, const CheckOptions& options = {});

}  // namespace corvanel::collection
