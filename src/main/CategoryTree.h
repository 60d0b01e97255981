#pragma once

#include "MainWindowLayout.h"

#include <QTreeWidget>

namespace corvanel {

// A tree of categories (or of presentation chapters), built collapsed from its
// layout; its captions cannot be edited. A double click anywhere in it, or
// Enter, acts on the selected node; a heading also opens or closes.
class CategoryTree final : public QTreeWidget {
    Q_OBJECT

public:
    CategoryTree(const main_window::TreeLayout& layout, QWidget* parent);

    main_window::TreeId id() const { return id_; }

    // The selected node's position in a pre-order walk of the whole tree;
    // -1 while no node is selected.
    int selectedIndex() const;

Q_SIGNALS:
    void selectionActivated();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void addNodes(const main_window::TreeLayout& layout);
    QList<QTreeWidgetItem*> nodesInOrder() const;
    void showSelection();

    main_window::TreeId id_;
    bool keepsSelectionVisible_;
    bool pressedBelowTheNodes_ = false;
};

}  // namespace corvanel
