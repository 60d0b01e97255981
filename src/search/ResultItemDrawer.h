#pragma once

#include <QAbstractItemDelegate>
#include <QFont>
#include <QHash>
#include <QPixmap>

#include <memory>
#include <optional>
#include <vector>

class QListView;

namespace corvanel {

class LineCountGuess;

// Draws and measures the items of the result list: text wrapped inside the
// list's width, the item picture at its left, section labels in green, the
// list's own selection colours, a row's words in context under its last
// line in a quieter ink. Heights are kept per row for the width they
// were measured at, so that a long list lays out once per fill or width.
class ResultItemDrawer final : public QAbstractItemDelegate {
    Q_OBJECT

public:
    explicit ResultItemDrawer(QListView* list);
    ~ResultItemDrawer() override;
    ResultItemDrawer(const ResultItemDrawer&) = delete;
    ResultItemDrawer& operator=(const ResultItemDrawer&) = delete;

    // Drawn at the left of every item; empty, the text starts 4 pixels in.
    void setItemPicture(const QPixmap& picture);

    // After the rows have changed: measure them again when asked.
    void forgetHeights();

    // Court decisions' lines come broken no wider than width in font; while
    // not read, such a line is known to fit when the list is wide enough.
    void setBrokenLines(const QFont& font, int width);

    // Measures the row exactly if its height was only guessed before its
    // text was read; true when it turns out otherwise.
    bool settle(const QStyleOptionViewItem& option, const QModelIndex& index) const;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int pictureOffset() const;
    int textWidth(int listWidth) const;
    // Heights of the text alone, without the row's padding.
    int measure(const QString& text, const QFont& font, int listWidth) const;
    std::optional<int> guess(const QString& text, const QFont& font, int listWidth) const;
    int measureOrGuessText(const QModelIndex& index, const QFont& font, int listWidth) const;
    int passageHeight(const QModelIndex& index, const QFont& font, int listWidth) const;
    bool givesPlaceToPassage(const QModelIndex& index, const QString& text) const;
    int rowHeight(int textHeight) const;
    int measureOrGuess(const QModelIndex& index, const QFont& font, int listWidth) const;
    bool fitsOneLine(const QString& prefix, const QFont& font, int listWidth) const;
    int widestPrefix(qsizetype length, const QFont& font) const;
    void drawFocusRect(QPainter& painter, const QStyleOptionViewItem& option,
                       const QColor& background) const;

    QListView* list_;
    QPixmap picture_;
    // 0: not measured yet; below 0: guessed.
    mutable std::vector<int> heights_;
    mutable int measuredWidth_ = -1;
    QFont brokenFont_;
    int brokenWidth_ = 0;
    // The list's font, and whether it lays text out as brokenFont_ does.
    mutable QFont listFont_;
    mutable bool listFontBreaksAlike_ = false;
    mutable QHash<qsizetype, int> prefixWidths_;
    // Of short texts alone, measured once.
    mutable QHash<QString, int> repeatedHeights_;
    mutable std::unique_ptr<LineCountGuess> lineCountGuess_;
};

}  // namespace corvanel
