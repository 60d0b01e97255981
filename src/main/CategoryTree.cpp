#include "CategoryTree.h"

#include "Look.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include <functional>
#include <utility>
#include <vector>

namespace corvanel {

namespace {

constexpr int kIndent = 19;

constexpr QColor kQuietGreen{190, 225, 140};

// Draws the node under the pointer underlined in green where the tree tracks
// it, and no other hover effect.
class NodeDelegate final : public QStyledItemDelegate {
public:
    NodeDelegate(bool hotTracking, QObject* parent)
        : QStyledItemDelegate(parent), hotTracking_(hotTracking) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem node(option);
        const bool hovered = node.state.testFlag(QStyle::State_MouseOver);
        node.state.setFlag(QStyle::State_MouseOver, false);
        if (hotTracking_ && hovered) {
            node.font.setUnderline(true);
            node.palette.setColor(QPalette::Text, Look::deepGreen());
        }
        QStyledItemDelegate::paint(painter, node, index);
    }

private:
    bool hotTracking_;
};

QFont treeFont(const main_window::Font& font) {
    QFont result(font.family.toString());
    result.setPixelSize(font.pixelSize);
    return result;
}

}  // namespace

CategoryTree::CategoryTree(const main_window::TreeLayout& layout, QWidget* parent)
    : QTreeWidget(parent), id_(layout.id), keepsSelectionVisible_(layout.keepsSelectionVisible) {
    setObjectName(layout.name.toString());
    setGeometry(layout.geometry);
    setFont(treeFont(layout.font));
    setToolTip(layout.hint.toString());
    setFrameShape(QFrame::NoFrame);
    setIndentation(kIndent);
    setHeaderHidden(true);
    setColumnCount(1);
    // Long captions scroll sideways rather than being cut short.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setMouseTracking(layout.hotTracking);
    viewport()->setAttribute(Qt::WA_Hover, layout.hotTracking);
    setItemDelegate(new NodeDelegate(layout.hotTracking, this));
    showSelection();

    addNodes(layout);
}

void CategoryTree::addNodes(const main_window::TreeLayout& layout) {
    // The last node seen at each level is the parent of the next level down.
    std::vector<QTreeWidgetItem*> lastAtLevel;
    for (const main_window::TreeNode& node : layout.nodes) {
        const auto level = static_cast<std::size_t>(node.level);
        lastAtLevel.resize(level);
        auto* item =
            level == 0 ? new QTreeWidgetItem(this) : new QTreeWidgetItem(lastAtLevel.back());
        item->setText(0, node.caption.toString());
        lastAtLevel.push_back(item);
    }
}

QList<QTreeWidgetItem*> CategoryTree::nodesInOrder() const {
    QList<QTreeWidgetItem*> nodes;
    // Pre-order: each node, then all of its descendants, then its next sibling.
    std::function<void(QTreeWidgetItem*)> visit = [&](QTreeWidgetItem* item) {
        nodes << item;
        for (int i = 0; i < item->childCount(); ++i) {
            visit(item->child(i));
        }
    };
    for (int i = 0; i < topLevelItemCount(); ++i) {
        visit(topLevelItem(i));
    }
    return nodes;
}

int CategoryTree::selectedIndex() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : static_cast<int>(nodesInOrder().indexOf(selected.first()));
}

// A press on the blank area keeps the selected node: a double click there
// acts on it.
void CategoryTree::mousePressEvent(QMouseEvent* event) {
    pressedBelowTheNodes_ = itemAt(event->position().toPoint()) == nullptr;
    if (pressedBelowTheNodes_) {
        setFocus(Qt::MouseFocusReason);
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CategoryTree::mouseReleaseEvent(QMouseEvent* event) {
    if (std::exchange(pressedBelowTheNodes_, false)) {
        return;
    }
    QTreeWidget::mouseReleaseEvent(event);
}

void CategoryTree::mouseDoubleClickEvent(QMouseEvent* event) {
    // The tree opens or closes a heading itself; the press before the double
    // click has already selected the node under the pointer, if there is one.
    QTreeWidget::mouseDoubleClickEvent(event);
    Q_EMIT selectionActivated();
}

void CategoryTree::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        // Enter acts on the node the keyboard is on, even before the arrows
        // have selected it.
        QTreeWidgetItem* item = currentItem();
        if (item != nullptr) {
            setCurrentItem(item);
            if (item->childCount() > 0) {
                item->setExpanded(!item->isExpanded());
            }
        }
        Q_EMIT selectionActivated();
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

// Green while the tree has the focus; without it, a quieter green in the tree
// that keeps its selection in sight, and nothing in the others.
void CategoryTree::showSelection() {
    QColor background = Look::windowGreen();
    QColor text = Look::panelWhite();
    if (!hasFocus()) {
        background = keepsSelectionVisible_ ? kQuietGreen : palette().color(QPalette::Base);
        text = palette().color(QPalette::Text);
    }
    QPalette colours = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        colours.setColor(group, QPalette::Highlight, background);
        colours.setColor(group, QPalette::HighlightedText, text);
    }
    setPalette(colours);
}

void CategoryTree::focusInEvent(QFocusEvent* event) {
    QTreeWidget::focusInEvent(event);
    showSelection();
}

void CategoryTree::focusOutEvent(QFocusEvent* event) {
    QTreeWidget::focusOutEvent(event);
    showSelection();
}

}  // namespace corvanel
