#include "SearchOptions.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QMenu>

#include <utility>

namespace corvanel {

SearchOptions::SearchOptions(QObject* parent) : QObject(parent) {}

void SearchOptions::rememberIn(RememberedState& state) {
    state_ = &state;
    const SearchChoices remembered = state.searchChoices();
    // Told as a change, without writing back what was just read.
    state_ = nullptr;
    change(remembered);
    state_ = &state;
}

ResultArrangement SearchOptions::arrangement() const {
    return {choices_.byRelevance ? ResultOrder::Relevance : ResultOrder::Title,
            choices_.groupedByDocument};
}

void SearchOptions::setWholeWords(bool wholeWords) {
    SearchChoices choices = choices_;
    choices.wholeWords = wholeWords;
    change(choices);
}

void SearchOptions::setOrder(ResultOrder order) {
    SearchChoices choices = choices_;
    choices.byRelevance = order == ResultOrder::Relevance;
    change(choices);
}

void SearchOptions::setGroupedByDocument(bool grouped) {
    SearchChoices choices = choices_;
    choices.groupedByDocument = grouped;
    change(choices);
}

void SearchOptions::change(const SearchChoices& choices) {
    if (choices == choices_) {
        return;
    }
    const SearchChoices before = std::exchange(choices_, choices);
    if (state_ != nullptr) {
        state_->storeSearchChoices(choices_);
    }
    if (before.wholeWords != choices_.wholeWords) {
        Q_EMIT wholeWordsChanged(choices_.wholeWords);
    }
    if (before.byRelevance != choices_.byRelevance ||
        before.groupedByDocument != choices_.groupedByDocument) {
        Q_EMIT arrangementChanged();
    }
}

QCheckBox* SearchOptions::addWholeWordsBox(QWidget* parent, const QString& objectName) {
    auto* box = new QCheckBox(QStringLiteral("Palavra inteira"), parent);
    box->setObjectName(objectName);
    box->setToolTip(
        QStringLiteral("Acha as palavras só onde uma palavra começa e termina: "
                       "\"guarda\" acha \"Guarda\", mas não \"aguardando\"."));
    box->setChecked(wholeWords());
    connect(box, &QCheckBox::toggled, this, &SearchOptions::setWholeWords);
    connect(this, &SearchOptions::wholeWordsChanged, box, &QCheckBox::setChecked);
    return box;
}

void SearchOptions::addMenuItems(QMenu& menu) {
    menu.addSeparator();
    QAction* whole = menu.addAction(QStringLiteral("Palavra inteira"));
    whole->setObjectName(QStringLiteral("PalavraInteira1"));
    whole->setCheckable(true);
    whole->setChecked(wholeWords());
    connect(whole, &QAction::toggled, this, &SearchOptions::setWholeWords);
    connect(this, &SearchOptions::wholeWordsChanged, whole, &QAction::setChecked);

    QMenu* order = menu.addMenu(QStringLiteral("Ordenar por"));
    order->setObjectName(QStringLiteral("OrdenarPor1"));
    auto* orders = new QActionGroup(order);
    QAction* byTitle = order->addAction(QStringLiteral("Título"));
    byTitle->setObjectName(QStringLiteral("OrdenarTitulo1"));
    QAction* byRelevance = order->addAction(QStringLiteral("Relevância"));
    byRelevance->setObjectName(QStringLiteral("OrdenarRelevancia1"));
    byRelevance->setToolTip(QStringLiteral(
        "Primeiro as ocorrências no título, depois nas palavras-chave, depois "
        "mais ocorrências por mil palavras do documento; empates em ordem de título."));
    for (QAction* item : {byTitle, byRelevance}) {
        item->setCheckable(true);
        orders->addAction(item);
    }
    const auto showOrder = [this, byTitle, byRelevance] {
        const bool relevance = arrangement().order == ResultOrder::Relevance;
        byRelevance->setChecked(relevance);
        byTitle->setChecked(!relevance);
    };
    showOrder();
    connect(orders, &QActionGroup::triggered, this, [this, byRelevance](QAction* chosen) {
        setOrder(chosen == byRelevance ? ResultOrder::Relevance : ResultOrder::Title);
    });

    QAction* grouped = menu.addAction(QStringLiteral("Agrupar por documento"));
    grouped->setObjectName(QStringLiteral("AgruparPorDocumento1"));
    grouped->setCheckable(true);
    grouped->setChecked(arrangement().groupedByDocument);
    connect(grouped, &QAction::toggled, this, &SearchOptions::setGroupedByDocument);
    connect(this, &SearchOptions::arrangementChanged, grouped, [this, grouped, showOrder] {
        grouped->setChecked(arrangement().groupedByDocument);
        showOrder();
    });
}

}  // namespace corvanel
