#pragma once

#include "CategoryTreeRules.h"
#include "MainWindowLayout.h"
#include "ResultRequest.h"

#include <QString>

// The requests the main window makes of the result-list window: a section's
// search and listing, a tree's category listing, and the collection-wide
// entries of the header and the menu.
namespace corvanel::main_window {

// The sub-category code of the filter item at itemIndex of section's filter;
// empty for "Todos", for no item (-1), and for an item without a code.
QString filterCode(Section section, int itemIndex);

// The section's key-word search for words, narrowed by the chosen filter item.
ResultRequest sectionSearch(Section section, const QString& words, int filterIndex);

// The whole section: a search for one blank, with no sub-category.
ResultRequest sectionListing(Section section);

ResultRequest categoryListing(const CategoryListing& listing);

// "Buscar Documento": a general search waiting for the user's words.
ResultRequest generalSearch();

// "Localizar": the window with empty lists and no request.
ResultRequest emptyResultList();

// "Lumbra Geral" and "Listar Lumbra": the whole collection.
ResultRequest collectionListing();

}  // namespace corvanel::main_window
