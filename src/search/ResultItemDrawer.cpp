#include "ResultItemDrawer.h"

#include "ResultLines.h"

#include "LineCountGuess.h"
#include "Look.h"
#include "PassageLayout.h"
#include "ResultListModel.h"
#include "Sections.h"
#include "WrappedText.h"

#include <QFontMetrics>
#include <QListView>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace corvanel {

namespace {

constexpr QColor kLabelText{0, 128, 0};
constexpr QColor kSelectedText{255, 255, 255};

// Between the picture and the text, and what the text leaves below it.
constexpr int kPictureGap = 4;
constexpr int kTextPadding = 4;
// What rounding may add to a line's width measured again on its own.
constexpr int kBrokenWidthSlack = 4;
// Lines this short recur (closings, separators, labels): measured once.
constexpr qsizetype kRepeatedTextLength = 32;

// Quieter than the row's own text, as readable: the ink most of the way to
// the background; the ink itself where contrast is what the user asked for.
QColor passageInk(const QColor& ink, const QColor& background) {
    if (Look::scheme() == Look::Scheme::HighContrast) {
        return ink;
    }
    constexpr float kInkShare = 0.62F;
    const auto mix = [](float a, float b) { return a * kInkShare + b * (1 - kInkShare); };
    return QColor::fromRgbF(mix(ink.redF(), background.redF()),
                            mix(ink.greenF(), background.greenF()),
                            mix(ink.blueF(), background.blueF()));
}

bool laysOutAlike(const QFont& a, const QFont& b) {
    const QFontInfo first(a);
    const QFontInfo second(b);
    return first.family() == second.family() && first.pixelSize() == second.pixelSize() &&
           first.weight() == second.weight() && first.style() == second.style() &&
           a.letterSpacing() == b.letterSpacing() && a.wordSpacing() == b.wordSpacing() &&
           a.stretch() == b.stretch();
}

}  // namespace

ResultItemDrawer::ResultItemDrawer(QListView* list) : QAbstractItemDelegate(list), list_(list) {}

ResultItemDrawer::~ResultItemDrawer() = default;

void ResultItemDrawer::setItemPicture(const QPixmap& picture) {
    picture_ = picture;
    forgetHeights();
    Q_EMIT sizeHintChanged(QModelIndex());
}

void ResultItemDrawer::forgetHeights() {
    heights_.clear();
    repeatedHeights_.clear();
    measuredWidth_ = -1;
}

void ResultItemDrawer::setBrokenLines(const QFont& font, int width) {
    brokenFont_ = font;
    brokenWidth_ = width;
    listFont_ = QFont();
    listFontBreaksAlike_ = laysOutAlike(brokenFont_, listFont_);
    forgetHeights();
}

int ResultItemDrawer::pictureOffset() const {
    return picture_.width() + kPictureGap;
}

void ResultItemDrawer::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const QString text = index.data().toString();
    const bool rightToLeft = option.direction == Qt::RightToLeft;
    QRect textRect = option.rect;
    if (rightToLeft) {
        textRect.setRight(textRect.right() - pictureOffset());
    } else {
        textRect.setLeft(textRect.left() + pictureOffset());
    }

    QColor background = option.palette.color(QPalette::Base);
    const bool label = index.data(ResultListModel::KindRole).toInt() ==
                       static_cast<int>(ResultLines::Kind::SectionLabel);
    QColor ink = label ? kLabelText : option.palette.color(QPalette::Text);
    // The selection wins over the label's green.
    if (option.state.testFlag(QStyle::State_Selected)) {
        ink = kSelectedText;
        background = Look::listSelection(option.state.testFlag(QStyle::State_HasFocus));
    }

    painter->save();
    painter->fillRect(option.rect, background);
    painter->setFont(option.font);
    painter->setPen(ink);
    const QVariant passage = index.data(ResultListModel::PassageRole);
    // A blank line gives its place to the passage under it.
    const bool passageAlone = passage.isValid() && text.trimmed().isEmpty();
    if (!passageAlone) {
        WrappedText::draw(*painter, textRect, text, option.direction);
    }
    if (passage.isValid()) {
        const int top = passageAlone ? 0 : WrappedText::height(text, option.font, textRect.width());
        painter->setPen(
            option.state.testFlag(QStyle::State_Selected) ? ink : passageInk(ink, background));
        const PassageLayout layout(passage.value<Passage>(), option.font, textRect.width(),
                                   option.direction);
        layout.draw(*painter, textRect.topLeft() + QPoint(0, top));
    }
    if (!picture_.isNull()) {
        const int left =
            rightToLeft ? option.rect.right() + 1 - pictureOffset() + 2 : option.rect.left() + 2;
        painter->drawPixmap(left, option.rect.top() + 1, picture_);
    }
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        drawFocusRect(*painter, option, background);
    }
    painter->restore();
}

// As the platform draws it around the item with the focus.
void ResultItemDrawer::drawFocusRect(QPainter& painter, const QStyleOptionViewItem& option,
                                     const QColor& background) const {
    QStyleOptionFocusRect focus;
    if (option.widget != nullptr) {
        focus.initFrom(option.widget);
    }
    focus.rect = option.rect;
    focus.state |= QStyle::State_HasFocus | QStyle::State_Item;
    focus.backgroundColor = background;
    const QStyle* style = option.widget != nullptr ? option.widget->style() : list_->style();
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, option.widget);
}

QSize ResultItemDrawer::sizeHint(const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    // The list's inside, without its scroll bar: the width items wrap in.
    const int listWidth = list_->viewport()->width();
    if (listWidth != measuredWidth_) {
        heights_.clear();
        repeatedHeights_.clear();
        measuredWidth_ = listWidth;
    }
    const auto row = static_cast<size_t>(index.row());
    if (row >= heights_.size()) {
        heights_.resize(std::max<size_t>(row + 1, index.model()->rowCount()), 0);
    }
    int& height = heights_[row];
    if (height == 0) {
        height = measureOrGuess(index, option.font, listWidth);
    }
    return {listWidth, std::abs(height)};
}

// Shaping every row's text would keep a long list from showing for a good
// part of a second: rows are guessed from their characters' advances and
// measured when drawn. Short lines recur and are measured once. A court
// decision's line not read yet is one line high when it surely fits;
// otherwise one line is guessed until it is drawn. A passage still to come
// is guessed one line: rows only grow when it comes, and so never bring
// rows into view that were not read.
int ResultItemDrawer::measureOrGuess(const QModelIndex& index, const QFont& font,
                                     int listWidth) const {
    const int text = measureOrGuessText(index, font, listWidth);
    const int passage = passageHeight(index, font, listWidth);
    const int height = rowHeight(std::abs(text) + std::abs(passage));
    return text < 0 || passage < 0 ? -height : height;
}

// Below 0 when guessed.
int ResultItemDrawer::measureOrGuessText(const QModelIndex& index, const QFont& font,
                                         int listWidth) const {
    const QVariant prefix = index.data(ResultListModel::PendingPrefixRole);
    if (!prefix.isValid()) {
        const QString text = index.data().toString();
        if (givesPlaceToPassage(index, text)) {
            return 0;
        }
        if (const auto known = repeatedHeights_.constFind(text); known != repeatedHeights_.cend()) {
            return *known;
        }
        if (text.size() >= kRepeatedTextLength) {
            if (const std::optional<int> guessed = guess(text, font, listWidth)) {
                return -*guessed;
            }
            return measure(text, font, listWidth);
        }
        const int height = measure(text, font, listWidth);
        repeatedHeights_.insert(text, height);
        return height;
    }
    const int oneLine = measure(QString(), font, listWidth);
    return fitsOneLine(prefix.toString(), font, listWidth) ? oneLine : -oneLine;
}

// Below 0 when guessed.
int ResultItemDrawer::passageHeight(const QModelIndex& index, const QFont& font,
                                    int listWidth) const {
    const QVariant passage = index.data(ResultListModel::PassageRole);
    if (passage.isValid()) {
        return PassageLayout(passage.value<Passage>(), font, listWidth - pictureOffset()).height();
    }
    if (index.data(ResultListModel::PassageAwaitedRole).toBool()) {
        return -QFontMetrics(font).lineSpacing();
    }
    return 0;
}

bool ResultItemDrawer::givesPlaceToPassage(const QModelIndex& index, const QString& text) const {
    return text.trimmed().isEmpty() && (index.data(ResultListModel::PassageRole).isValid() ||
                                        index.data(ResultListModel::PassageAwaitedRole).toBool());
}

bool ResultItemDrawer::fitsOneLine(const QString& prefix, const QFont& font, int listWidth) const {
    if (brokenWidth_ <= 0) {
        return false;
    }
    if (font != listFont_) {
        listFont_ = font;
        listFontBreaksAlike_ = laysOutAlike(brokenFont_, font);
        prefixWidths_.clear();
    }
    return listFontBreaksAlike_ &&
           widestPrefix(prefix.size(), font) + brokenWidth_ + kBrokenWidthSlack <=
               textWidth(listWidth);
}

// A number's prefix ("12 - ") is no wider than the widest of its length
// written in one digit; known once per length, not measured per row.
int ResultItemDrawer::widestPrefix(qsizetype length, const QFont& font) const {
    if (length == 0) {
        return 0;
    }
    auto& width = prefixWidths_[length];
    if (width == 0) {
        const QFontMetrics metrics(font);
        for (char16_t digit = u'0'; digit <= u'9'; ++digit) {
            const QString widest = QString(length - 3, QChar(digit)) + u" - ";
            width = std::max(width, metrics.horizontalAdvance(widest));
        }
    }
    return width;
}

bool ResultItemDrawer::settle(const QStyleOptionViewItem& option, const QModelIndex& index) const {
    const auto row = static_cast<size_t>(index.row());
    if (row >= heights_.size() || heights_[row] >= 0 ||
        measuredWidth_ != list_->viewport()->width()) {
        return false;
    }
    const int guess = -heights_[row];
    const QString text = index.data().toString();
    const int textHeight = givesPlaceToPassage(index, text)
                               ? 0
                               : WrappedText::height(text, option.font, textWidth(measuredWidth_));
    const int passage = passageHeight(index, option.font, measuredWidth_);
    const int height = rowHeight(textHeight + std::abs(passage));
    // A passage still to come keeps its row guessed.
    heights_[row] = passage < 0 ? -height : height;
    return height != guess;
}

std::optional<int> ResultItemDrawer::guess(const QString& text, const QFont& font,
                                           int listWidth) const {
    if (!lineCountGuess_ || lineCountGuess_->font() != font) {
        lineCountGuess_ = std::make_unique<LineCountGuess>(font);
    }
    const std::optional<int> lines = lineCountGuess_->lines(text, textWidth(listWidth));
    if (!lines) {
        return std::nullopt;
    }
    return *lines * lineCountGuess_->lineSpacing();
}

int ResultItemDrawer::measure(const QString& text, const QFont& font, int listWidth) const {
    return WrappedText::height(text, font, textWidth(listWidth));
}

int ResultItemDrawer::textWidth(int listWidth) const {
    return listWidth - pictureOffset();
}

int ResultItemDrawer::rowHeight(int textHeight) const {
    return std::max(textHeight + kTextPadding, picture_.height() + 2);
}

}  // namespace corvanel
