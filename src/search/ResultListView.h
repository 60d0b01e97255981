#pragma once

#include <QListView>

#include <optional>
#include <utility>

namespace corvanel {

class ResultItemDrawer;

// The result list `ListBox1`: a list that draws its own items, each as
// high as its wrapped text, and measures them again whenever its rows or
// its width change, so heights always match the width on screen.
class ResultListView final : public QListView {
    Q_OBJECT

public:
    explicit ResultListView(QWidget* parent = nullptr);

    // The picture drawn at the left of every item.
    void setItemPicture(const QPixmap& picture);

    // Court decisions' lines come broken no wider than width in font.
    void setBrokenLines(const QFont& font, int width);

    // After what the rows show changed otherwise than by a reset: every row
    // measured again, the scroll kept.
    void measureAgain();

    // The result list's model changes its rows only by a reset.
    void reset() override;

    // Lays out the rows not laid out yet, before something reaches them.
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void doItemsLayout() override;

    // The rows in view, first and last; none when the list is empty.
    std::optional<std::pair<int, int>> rowsInView() const;

Q_SIGNALS:
    // Other rows came into view (a new fill, a scroll, a new size): their
    // lines should be read before they are drawn.
    void rowsInViewChanged();

    // Enter on a row: the keyboard's double click.
    void rowChosen(const QModelIndex& index);

protected:
    // Up and Down go from document to document, a whole block of lines at a
    // time; Page Up and Page Down by a screenful, to the start of a document.
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void verticalScrollbarValueChanged(int value) override;

private:
    bool settleVisibleRows();
    void layOutEveryRow();
    void layOutAtOnce();
    // A document's block: the lines that share its key, up to a separator.
    QString keyOf(int row) const;
    bool isSeparator(int row) const;
    int blockStart(int row) const;
    int blockEnd(int row) const;  // its last line
    // The first line of the document after or before row's; -1 when none.
    int nextBlock(int row) const;
    int previousBlock(int row) const;

    ResultItemDrawer* drawer_;
};

}  // namespace corvanel
