#pragma once

#include <QFrame>

class QLabel;
class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace corvanel {

class PageOutline;

// The "Sumário" beside the page: the outline of the document shown, which
// goes to the entry chosen, and "Ir para o artigo", which goes to the
// article typed ("136", "art. 136-A").
class OutlinePanel final : public QFrame {
    Q_OBJECT

public:
    OutlinePanel(PageOutline* outline, QWidget* parent);

    // Ctrl+G: the article field, ready for a number.
    void focusArticleField();
    // Goes to the article typed, or says why it cannot.
    void goToArticle(const QString& typed);

    QLineEdit* articleField() const { return articleField_; }
    QTreeWidget* tree() const { return tree_; }
    // Why the last article typed was not gone to; empty when it was.
    QString notice() const;

Q_SIGNALS:
    void closeRequested();

private:
    void fill();
    void goToItem(const QTreeWidgetItem* item);
    void say(const QString& notice);

    PageOutline* outline_;
    QLineEdit* articleField_;
    QLabel* notice_;
    QTreeWidget* tree_;
};

}  // namespace corvanel
