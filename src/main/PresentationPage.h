#pragma once

#include "MainWindowLayout.h"

#include <QFrame>

namespace corvanel {

class CategoryTree;

// The presentation of the collection: a tree of chapters, each opening its
// page in the viewer.
class PresentationPage final : public QFrame {
    Q_OBJECT

public:
    PresentationPage(const main_window::PresentationPageLayout& layout, QWidget* parent);

    CategoryTree* tree() const { return tree_; }

private:
    CategoryTree* tree_ = nullptr;
};

}  // namespace corvanel
