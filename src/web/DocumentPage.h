#pragma once

#include "ListedDocument.h"
#include "PageMarking.h"
#include "Reply.h"

#include <optional>

namespace corvanel::web {

class CollectionFiles;
struct Site;

// /documento/CODIGO: the collection's page in the site's frame, with its
// title, the way back to the result, print and download. 404 for a code
// without a card or a page.
Reply documentPage(const CollectionFiles& content, const std::optional<ListedDocument>& card,
                   const Request& request);

// The marks a request for a page asks for: marcar (the words, separated by
// line breaks), inteira=1 (whole words) and linha (the result row it was
// opened from, whose passage tells where the page opens).
PageMarks pageMarksOf(const Site& site, const Request& request);

// /colecao/PATH: a file of the collection, under its own strict policy; a
// page with words to mark marked.
Reply collectionFile(const CollectionFiles& content, const QString& relativePath,
                     const PageMarks& marks = {});

}  // namespace corvanel::web
