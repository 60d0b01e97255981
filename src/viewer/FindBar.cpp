#include "FindBar.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

namespace corvanel {

namespace {
// Marking a long page at every key would make typing lag.
constexpr int kTypingPauseMs = 250;
constexpr int kFieldWidth = 150;
}  // namespace

FindBar::FindBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Localizar"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(6, 0, 6, 0);
    row->setSpacing(4);

    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("LocalizarRotulo"));
    findField_ = new QLineEdit(this);
    findField_->setObjectName(QStringLiteral("LocalizarTexto"));
    findField_->setFixedWidth(kFieldWidth);
    findField_->setAccessibleName(QStringLiteral("Localizar na página"));
    findField_->setAccessibleDescription(QStringLiteral(
        "Enter: próxima ocorrência; Shift+Enter: anterior; Esc: fecha a localização."));
    caption_->setBuddy(findField_);
    findField_->installEventFilter(this);

    previous_ = addButton(QStringLiteral("LocalizarAnterior"),
                          QStringLiteral("Ocorrência anterior (Shift+F3)"));
    previous_->setArrowType(Qt::UpArrow);
    next_ =
        addButton(QStringLiteral("LocalizarProxima"), QStringLiteral("Próxima ocorrência (F3)"));
    next_->setArrowType(Qt::DownArrow);
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("LocalizarContagem"));
    position_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("não encontrado")));
    close_ = addButton(QStringLiteral("LocalizarFechar"), QStringLiteral("Fechar (Esc)"));
    close_->setText(QStringLiteral("✕"));

    row->addWidget(caption_);
    row->addWidget(findField_);
    row->addWidget(previous_);
    row->addWidget(next_);
    row->addWidget(position_);
    row->addWidget(close_);
    row->addStretch();

    typingPause_.setSingleShot(true);
    typingPause_.setInterval(kTypingPauseMs);
    connect(&typingPause_, &QTimer::timeout, this, &FindBar::findNow);
    connect(findField_, &QLineEdit::textEdited, this, [this] { typingPause_.start(); });
    connect(previous_, &QToolButton::clicked, this, &FindBar::previousRequested);
    connect(next_, &QToolButton::clicked, this, &FindBar::nextRequested);
    connect(close_, &QToolButton::clicked, this, &FindBar::closeRequested);
    setMode(Mode::SearchWords);
}

QToolButton* FindBar::addButton(const QString& name, const QString& accessibleName) {
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAccessibleName(accessibleName);
    button->setToolTip(accessibleName);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void FindBar::setMode(Mode mode) {
    mode_ = mode;
    const bool finding = mode == Mode::Find;
    caption_->setText(finding ? QStringLiteral("&Localizar:") : QStringLiteral("Busca:"));
    findField_->setVisible(finding);
    close_->setVisible(finding);
    if (!finding) {
        typingPause_.stop();
    }
}

QString FindBar::findText() const {
    return findField_->text();
}

void FindBar::showPosition(int current, int count) {
    position_->setText(count > 0 ? QStringLiteral("%1 de %2").arg(current).arg(count)
                                 : QStringLiteral("não encontrado"));
    previous_->setEnabled(count > 0);
    next_->setEnabled(count > 0);
}

void FindBar::clearPosition() {
    position_->clear();
    previous_->setEnabled(false);
    next_->setEnabled(false);
}

QString FindBar::positionText() const {
    return position_->text();
}

void FindBar::setSearchWords(const QString& words) {
    caption_->setToolTip(words);
    position_->setToolTip(words);
}

void FindBar::findNow() {
    typingPause_.stop();
    lastFound_ = findField_->text();
    Q_EMIT findTextChanged(lastFound_);
}

bool FindBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == findField_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape) {
            Q_EMIT closeRequested();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            // New words are found first; Enter again steps on.
            if (typingPause_.isActive() || findField_->text() != lastFound_) {
                findNow();
            } else if (key->modifiers() & Qt::ShiftModifier) {
                Q_EMIT previousRequested();
            } else {
                Q_EMIT nextRequested();
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace corvanel
