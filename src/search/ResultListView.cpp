#include "ResultListView.h"

#include "ResultItemDrawer.h"
#include "ResultListModel.h"

#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>

namespace corvanel {

namespace {
// Rows drawn for the first time may change their neighbours' places; a few
// rounds settle any screenful.
constexpr int kSettleRounds = 4;
// One line per row of pixels on the tallest screen.
constexpr int kRowsInAScreenAtMost = 256;
// Rows laid out before the first paint; the rest follow between events.
constexpr int kLayoutBatch = 2 * kRowsInAScreenAtMost;
}  // namespace

ResultListView::ResultListView(QWidget* parent)
    : QListView(parent), drawer_(new ResultItemDrawer(this)) {
    setItemDelegate(drawer_);
    // The first screenful is laid out at once and shown; a long list's other
    // rows follow between events, or at once when something must reach
    // them (a scroll to a row, End).
    setUniformItemSizes(false);
    setLayoutMode(QListView::Batched);
    setBatchSize(kLayoutBatch);
    // Items wrap inside the width instead.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ResultListView::setItemPicture(const QPixmap& picture) {
    drawer_->setItemPicture(picture);
}

void ResultListView::setBrokenLines(const QFont& font, int width) {
    drawer_->setBrokenLines(font, width);
}

// Lines whose height was guessed before their text was read are measured
// when they come into view, and the list laid out anew if one differs.
void ResultListView::paintEvent(QPaintEvent* event) {
    for (int round = 0; round < kSettleRounds && settleVisibleRows(); ++round) {
        doItemsLayout();
    }
    QListView::paintEvent(event);
}

bool ResultListView::settleVisibleRows() {
    const QAbstractItemModel* rows = model();
    if (rows == nullptr || rows->rowCount() == 0) {
        return false;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const QModelIndex top = indexAt(QPoint(1, 0));
    bool changed = false;
    for (int row = top.isValid() ? top.row() : 0; row < rows->rowCount(); ++row) {
        const QModelIndex index = rows->index(row, 0);
        const QRect place = visualRect(index);
        // Below the view, or not laid out yet.
        if (place.isEmpty() || place.top() >= viewport()->height()) {
            break;
        }
        changed = drawer_->settle(option, index) || changed;
    }
    return changed;
}

void ResultListView::layOutEveryRow() {
    const QAbstractItemModel* rows = model();
    if (rows == nullptr || rows->rowCount() == 0 ||
        !visualRect(rows->index(rows->rowCount() - 1, 0)).isEmpty()) {
        return;
    }
    layOutAtOnce();
}

void ResultListView::layOutAtOnce() {
    setLayoutMode(QListView::SinglePass);
    QListView::doItemsLayout();
    setLayoutMode(QListView::Batched);
}

// Batches start from the first row: a list scrolled away from it is laid
// out whole at once, so that it keeps its place.
void ResultListView::doItemsLayout() {
    if (verticalScrollBar()->value() > 0) {
        layOutAtOnce();
    } else {
        QListView::doItemsLayout();
    }
}

void ResultListView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (index.isValid() && visualRect(index).isEmpty()) {
        layOutEveryRow();
    }
    QListView::scrollTo(index, hint);
}

void ResultListView::measureAgain() {
    drawer_->forgetHeights();
    scheduleDelayedItemsLayout();
    viewport()->update();
}

void ResultListView::reset() {
    drawer_->forgetHeights();
    QListView::reset();
    // A list filled anew is read from its first item.
    verticalScrollBar()->setValue(0);
    Q_EMIT rowsInViewChanged();
}

std::optional<std::pair<int, int>> ResultListView::rowsInView() const {
    const QAbstractItemModel* rows = model();
    if (rows == nullptr || rows->rowCount() == 0) {
        return std::nullopt;
    }
    const QModelIndex top = indexAt(QPoint(1, 0));
    const QModelIndex bottom = indexAt(QPoint(1, viewport()->height() - 1));
    const int first = top.isValid() ? top.row() : 0;
    // Before the list is laid out, or below its last row: a screenful at most.
    const int last = bottom.isValid() ? bottom.row() : first + kRowsInAScreenAtMost - 1;
    return std::pair{first, std::min(last, rows->rowCount() - 1)};
}

void ResultListView::verticalScrollbarValueChanged(int value) {
    QListView::verticalScrollbarValueChanged(value);
    Q_EMIT rowsInViewChanged();
}

// The list itself lays out again only when it wraps; these items wrap
// their text, so a new width means new heights.
void ResultListView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) {
        drawer_->forgetHeights();
        scheduleDelayedItemsLayout();
    }
    Q_EMIT rowsInViewChanged();
}

// A larger text (the zoom) wraps into more lines.
void ResultListView::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        measureAgain();
    }
}

QString ResultListView::keyOf(int row) const {
    return model()->index(row, 0).data(ResultListModel::KeyRole).toString();
}

// Behind a separator line there is a blank key.
bool ResultListView::isSeparator(int row) const {
    return keyOf(row).trimmed().isEmpty();
}

int ResultListView::blockStart(int row) const {
    while (row > 0 && !isSeparator(row) && !isSeparator(row - 1) && keyOf(row - 1) == keyOf(row)) {
        --row;
    }
    return row;
}

int ResultListView::blockEnd(int row) const {
    const int last = model()->rowCount() - 1;
    while (row < last && !isSeparator(row) && !isSeparator(row + 1) &&
           keyOf(row + 1) == keyOf(row)) {
        ++row;
    }
    return row;
}

int ResultListView::nextBlock(int row) const {
    const int rows = model()->rowCount();
    row = blockEnd(row) + 1;
    while (row < rows && isSeparator(row)) {
        ++row;
    }
    return row < rows ? row : -1;
}

int ResultListView::previousBlock(int row) const {
    if (blockStart(row) < row) {
        return blockStart(row);
    }
    row = blockStart(row) - 1;
    while (row >= 0 && isSeparator(row)) {
        --row;
    }
    return row >= 0 ? blockStart(row) : -1;
}

QModelIndex ResultListView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // End and the pages go by where rows are.
    layOutEveryRow();
    const QModelIndex current = currentIndex();
    if (model() == nullptr || !current.isValid()) {
        return QListView::moveCursor(cursorAction, modifiers);
    }
    int row = -1;
    if (cursorAction == MoveDown) {
        row = nextBlock(current.row());
    } else if (cursorAction == MoveUp) {
        row = previousBlock(current.row());
    } else {
        // Batches end the list where they have got to so far.
        const QModelIndex moved = cursorAction == MoveEnd
                                      ? model()->index(model()->rowCount() - 1, 0)
                                      : QListView::moveCursor(cursorAction, modifiers);
        if (!moved.isValid()) {
            return moved;
        }
        // A separator leads on to the document after it.
        row = moved.row();
        while (row < model()->rowCount() - 1 && isSeparator(row)) {
            ++row;
        }
        row = blockStart(row);
        // A document longer than the screen is left for the next one.
        if (cursorAction == MovePageDown && row <= current.row()) {
            row = nextBlock(current.row());
        } else if (cursorAction == MovePageUp && row >= current.row()) {
            row = previousBlock(current.row());
        }
    }
    if (row < 0) {
        return current;
    }
    const QModelIndex target = model()->index(row, 0);
    // The whole document in sight when it fits, its first line always.
    scrollTo(model()->index(blockEnd(row), 0));
    scrollTo(target);
    return target;
}

void ResultListView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QModelIndex row = currentIndex();
        if (row.isValid()) {
            selectionModel()->select(row, QItemSelectionModel::ClearAndSelect);
            Q_EMIT rowChosen(row);
        }
        event->accept();
        return;
    }
    QListView::keyPressEvent(event);
}

}  // namespace corvanel
