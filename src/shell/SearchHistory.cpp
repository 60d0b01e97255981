#include "SearchHistory.h"

#include "RememberedState.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStringListModel>

namespace corvanel {

SearchHistory::SearchHistory(RememberedState& state, QObject* parent)
    : QObject(parent), state_(state), model_(new QStringListModel(state.recentSearches(), this)) {}

void SearchHistory::offerIn(QLineEdit* box) {
    auto* completer = new QCompleter(model_, box);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    box->setCompleter(completer);
    box->installEventFilter(this);
}

void SearchHistory::record(const QString& words) {
    state_.rememberSearch(words);
    model_->setStringList(state_.recentSearches());
}

void SearchHistory::forget() {
    model_->setStringList({});
}

QStringList SearchHistory::searches() const {
    return model_->stringList();
}

bool SearchHistory::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box != nullptr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down && box->completer() != nullptr &&
        !box->completer()->popup()->isVisible() && model_->rowCount() > 0) {
        // Typed words narrow the list; an empty box offers all of it.
        box->completer()->setCompletionPrefix(box->text());
        box->completer()->complete();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace corvanel
