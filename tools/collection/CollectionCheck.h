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
// program will use it: the file undamaged, its schema the builder's, its
// password the program's, its stored root no system folder; every card's
// section and category codes known to the program, every document's page
// present, the search index (trigrams, title order, short strings) present,
// folded by this version's rules and equal to what the texts give, the fixed
// files present, no page a symbolic link or with a script other than the
// print script, and every link between the pages leading to a file inside
// the folder. The rows of a file whose schema is not the builder's are never
// read. Throws BuildError when folder holds no collection that can be read.
CheckReport checkCollection(const QString& folder, const CheckOptions& options = {});

}  // namespace corvanel::collection
