#include "OutlinePanel.h"

#include "ArticleJump.h"
#include "Look.h"
#include "PageOutline.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include <utility>

namespace corvanel {

namespace {
constexpr int kEntryRole = Qt::UserRole;
}  // namespace

OutlinePanel::OutlinePanel(PageOutline* outline, QWidget* parent)
    : QFrame(parent), outline_(outline) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setAutoFillBackground(true);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    auto* heading = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("<b>Sumário</b>"), this);
    auto* close = new QToolButton(this);
    close->setText(QStringLiteral("✕"));
    close->setAutoRaise(true);
    close->setToolTip(QStringLiteral("Fechar o sumário (F9)"));
    close->setAccessibleName(QStringLiteral("Fechar o sumário"));
    heading->addWidget(caption);
    heading->addStretch();
    heading->addWidget(close);
    column->addLayout(heading);

    auto* jump = new QHBoxLayout;
    auto* jumpCaption = new QLabel(QStringLiteral("Ir para o &artigo:"), this);
    articleField_ = new QLineEdit(this);
    articleField_->setPlaceholderText(QStringLiteral("ex.: 136-A"));
    articleField_->setAccessibleName(QStringLiteral("Ir para o artigo"));
    articleField_->setToolTip(QStringLiteral("Número do artigo, como 136 ou 136-A (Ctrl+G)"));
    jumpCaption->setBuddy(articleField_);
    jump->addWidget(jumpCaption);
    jump->addWidget(articleField_, 1);
    column->addLayout(jump);

    notice_ = new QLabel(this);
    notice_->setWordWrap(true);
    notice_->hide();
    column->addWidget(notice_);

    tree_ = new QTreeWidget(this);
    tree_->setHeaderHidden(true);
    tree_->setAccessibleName(QStringLiteral("Sumário do documento"));
    tree_->setUniformRowHeights(true);
    // A statute nests six deep: narrow steps leave room for the words.
    tree_->setIndentation(12);
    tree_->header()->setStretchLastSection(true);
    column->addWidget(tree_, 1);

    connect(close, &QToolButton::clicked, this, &OutlinePanel::closeRequested);
    connect(articleField_, &QLineEdit::returnPressed, this,
            [this] { goToArticle(articleField_->text()); });
    connect(tree_, &QTreeWidget::itemActivated, this,
            [this](const QTreeWidgetItem* item) { goToItem(item); });
    connect(tree_, &QTreeWidget::itemClicked, this,
            [this](const QTreeWidgetItem* item) { goToItem(item); });
    connect(outline_, &PageOutline::outlineChanged, this, &OutlinePanel::fill);
    fill();
}

void OutlinePanel::fill() {
    tree_->clear();
    say(QString());
    const QList<OutlineEntry>& entries = outline_->entries();
    // Each entry goes under the nearest one before it that is less deep.
    QList<std::pair<int, QTreeWidgetItem*>> open;
    for (qsizetype index = 0; index < entries.size(); ++index) {
        const OutlineEntry& entry = entries.at(index);
        while (!open.isEmpty() && open.last().first >= entry.depth) {
            open.removeLast();
        }
        auto* item =
            open.isEmpty() ? new QTreeWidgetItem(tree_) : new QTreeWidgetItem(open.last().second);
        item->setText(0, entry.label);
        item->setToolTip(0, entry.label);
        item->setData(0, kEntryRole, static_cast<int>(index));
        open << std::pair{entry.depth, item};
    }
    if (entries.isEmpty()) {
        auto* none = new QTreeWidgetItem(tree_, {QStringLiteral("(sem títulos neste documento)")});
        none->setFlags(Qt::NoItemFlags);
    }
    // Divisions open, the articles of a long statute one click away.
    tree_->expandToDepth(entries.size() > 60 ? 2 : 8);
}

void OutlinePanel::goToItem(const QTreeWidgetItem* item) {
    const QVariant index = item != nullptr ? item->data(0, kEntryRole) : QVariant();
    if (index.isValid() && index.toInt() < outline_->entries().size()) {
        outline_->goTo(outline_->entries().at(index.toInt()));
    }
}

void OutlinePanel::focusArticleField() {
    articleField_->setFocus(Qt::ShortcutFocusReason);
    articleField_->selectAll();
}

void OutlinePanel::goToArticle(const QString& typed) {
    const std::optional<QString> key = ArticleJump::parse(typed);
    if (!key) {
        say(QStringLiteral("Digite o número do artigo, como 136 ou 136-A."));
        return;
    }
    const std::optional<OutlineEntry> entry = ArticleJump::find(outline_->entries(), *key);
    if (!entry) {
        say(QStringLiteral("O art. %1 não está neste documento.").arg(*key));
        return;
    }
    say(QString());
    outline_->goTo(*entry);
    for (QTreeWidgetItemIterator item(tree_); *item != nullptr; ++item) {
        const QVariant index = (*item)->data(0, kEntryRole);
        if (index.isValid() && outline_->entries().value(index.toInt()).block == entry->block) {
            tree_->setCurrentItem(*item);
            tree_->scrollToItem(*item);
            break;
        }
    }
}

QString OutlinePanel::notice() const {
    return notice_->text();
}

void OutlinePanel::say(const QString& notice) {
    notice_->setText(notice);
    notice_->setVisible(!notice.isEmpty());
}

}  // namespace corvanel
