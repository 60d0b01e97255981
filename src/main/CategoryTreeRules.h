#pragma once

#include "MainWindowLayout.h"

#include <QString>
#include <QStringView>

#include <variant>

// What a double click on a node of a category tree does, from the tree's code
// table alone.
namespace corvanel::main_window {

// The result-list window lists a category: request kind, code, section letter.
struct CategoryListing {
    QString kind;
    QString code;
    QString sectionLetter;

    bool operator==(const CategoryListing&) const = default;
};

// The viewer opens a page of the content folder by name.
struct PageToOpen {
    QString pageName;

    bool operator==(const PageToOpen&) const = default;
};

// Nothing (a heading, or no node), a listing, or a page.
using TreeAction = std::variant<std::monostate, CategoryListing, PageToOpen>;

// The code table entry of the node at absoluteIndex; empty outside the tree.
QStringView treeCode(TreeId tree, int absoluteIndex);

// The action of a double click on the node at absoluteIndex (-1: no node).
TreeAction treeDoubleClick(TreeId tree, int absoluteIndex);

}  // namespace corvanel::main_window
