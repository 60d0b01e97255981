#pragma once

#include "ListedDocument.h"
#include "Reply.h"

#include <optional>

namespace corvanel::web {

class CollectionFiles;

// /documento/CODIGO: the collection's page in the site's frame, with its
// title, the way back to the result, print and download. 404 for a code
// without a card or a page.
Reply documentPage(const CollectionFiles& content, const std::optional<ListedDocument>& card,
                   const Request& request);

// /colecao/PATH: a file of the collection, under its own strict policy; a
// page with the words to mark (separated by line breaks) marked.
Reply collectionFile(const CollectionFiles& content, const QString& relativePath,
                     const QString& wordsToMark = {});

}  // namespace corvanel::web
