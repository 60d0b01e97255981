#include "ResultListView.h"

#include "ResultItemDrawer.h"

#include <QKeyEvent>
#include <QResizeEvent>
#include <QScrollBar>

namespace corvanel {

namespace {
// Rows laid out per turn of the event loop: a whole collection's listing
// appears at once and fills its scroll range while the user reads.
constexpr int kLayoutBatch = 2000;
}  // namespace

ResultListView::ResultListView(QWidget* parent)
    : QListView(parent), drawer_(new ResultItemDrawer(this)) {
    setItemDelegate(drawer_);
    setUniformItemSizes(false);
    setLayoutMode(QListView::Batched);
    setBatchSize(kLayoutBatch);
    // Items wrap inside the width instead.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void ResultListView::setItemPicture(const QPixmap& picture) {
    drawer_->setItemPicture(picture);
}

void ResultListView::reset() {
    drawer_->forgetHeights();
    QListView::reset();
    // A list filled anew is read from its first item.
    verticalScrollBar()->setValue(0);
}

// The list itself lays out again only when it wraps; these items wrap
// their text, so a new width means new heights.
void ResultListView::resizeEvent(QResizeEvent* event) {
    QListView::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) {
        drawer_->forgetHeights();
        scheduleDelayedItemsLayout();
    }
}

// A larger text (the zoom) wraps into more lines.
void ResultListView::changeEvent(QEvent* event) {
    QListView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        drawer_->forgetHeights();
        scheduleDelayedItemsLayout();
    }
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
