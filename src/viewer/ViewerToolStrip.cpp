#include "ViewerToolStrip.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QToolButton>

namespace corvanel {

namespace {
constexpr QSize kButtonSize{26, 24};
}  // namespace

ViewerToolStrip::ViewerToolStrip(QAction* back, QAction* forward, const QList<QAction*>& commands,
                                 QWidget* parent)
    : QWidget(parent) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(2);

    back_ = addButton(QStringLiteral("◀"));
    back_->setDefaultAction(back);
    forward_ = addButton(QStringLiteral("▶"));
    forward_->setDefaultAction(forward);
    // The arrows stay arrows: the actions' texts are for menus and readers.
    for (QToolButton* button : {back_, forward_}) {
        button->setText(button == back_ ? QStringLiteral("◀") : QStringLiteral("▶"));
        button->setAccessibleName(button->defaultAction()->text().remove(u'&'));
    }
    connect(back, &QAction::changed, back_, [this] { back_->setText(QStringLiteral("◀")); });
    connect(forward, &QAction::changed, forward_,
            [this] { forward_->setText(QStringLiteral("▶")); });

    menu_ = addButton(QStringLiteral("☰"));
    menu_->setToolTip(QStringLiteral("Comandos do documento"));
    menu_->setAccessibleName(QStringLiteral("Comandos do documento"));
    auto* menu = new QMenu(menu_);
    menu->addActions(commands);
    menu_->setMenu(menu);
    menu_->setPopupMode(QToolButton::InstantPopup);
    menu_->setStyleSheet(QStringLiteral("QToolButton::menu-indicator { image: none; }"));

    row->addWidget(back_);
    row->addWidget(forward_);
    row->addWidget(menu_);
}

QToolButton* ViewerToolStrip::addButton(const QString& text) {
    auto* button = new QToolButton(this);
    button->setText(text);
    button->setFixedSize(kButtonSize);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace corvanel
