#pragma once

#include <QString>

namespace corvanel::collection {

// The tables a maker of collections needs, in Markdown, drawn from the
// program's own data: the fixed files of a content folder and every
// category code with the tree node or filter item that lists it. The
// builder's README carries them as printed here.
QString referenceTables();

}  // namespace corvanel::collection
