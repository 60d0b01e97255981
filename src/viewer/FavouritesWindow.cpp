#include "FavouritesWindow.h"

#include "ErrorBox.h"
#include "Favourites.h"
#include "Look.h"
#include "Prompts.h"
#include "WindowPlacement.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QShowEvent>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace corvanel {

namespace {
constexpr int kPageRole = Qt::UserRole;
constexpr QSize kSize{620, 380};
const QString kListFilter = QStringLiteral("Lista de favoritos (*.json)");
}  // namespace

FavouritesWindow::FavouritesWindow(FavouritesFile& favourites, QWidget* parent)
    : QWidget(parent, Qt::Window), favourites_(favourites) {
    setWindowTitle(QStringLiteral("Favoritos"));
    Look::fillBackground(this, Look::windowGreen());
    resize(kSize);

    auto* column = new QVBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setHeaderLabels(
        {QStringLiteral("Documento"), QStringLiteral("Nota"), QStringLiteral("Adicionado em")});
    list_->setRootIsDecorated(false);
    list_->setAccessibleName(QStringLiteral("Favoritos"));
    list_->header()->resizeSection(0, 260);
    list_->header()->resizeSection(1, 200);
    column->addWidget(list_, 1);

    auto* noteRow = new QHBoxLayout;
    auto* noteCaption = new QLabel(QStringLiteral("&Nota:"), this);
    noteField_ = new QLineEdit(this);
    noteField_->setMaxLength(static_cast<int>(FavouritesFile::kLongestNote));
    noteField_->setPlaceholderText(QStringLiteral("Por que guardar este documento (opcional)"));
    noteField_->setAccessibleName(QStringLiteral("Nota do favorito"));
    noteCaption->setBuddy(noteField_);
    noteRow->addWidget(noteCaption);
    noteRow->addWidget(noteField_, 1);
    column->addLayout(noteRow);

    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    openButton_ = addButton(QStringLiteral("&Abrir"), &FavouritesWindow::openChosen);
    removeButton_ = addButton(QStringLiteral("&Remover"), &FavouritesWindow::removeChosen);
    buttons->addWidget(openButton_);
    buttons->addWidget(removeButton_);
    buttons->addStretch();
    buttons->addWidget(addButton(QStringLiteral("&Exportar..."), &FavouritesWindow::exportList));
    buttons->addWidget(addButton(QStringLiteral("&Importar..."), &FavouritesWindow::importList));

    connect(list_, &QTreeWidget::currentItemChanged, this, [this] { showChosenNote(); });
    connect(list_, &QTreeWidget::itemActivated, this,
            [this] { runGuarded([this] { openChosen(); }); });
    connect(noteField_, &QLineEdit::editingFinished, this,
            [this] { runGuarded([this] { storeNote(); }); });
    fill();
}

QPushButton* FavouritesWindow::addButton(const QString& caption,
                                         void (FavouritesWindow::*handler)()) {
    auto* button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this,
            [this, handler] { runGuarded([this, handler] { (this->*handler)(); }); });
    return button;
}

void FavouritesWindow::setCollection(const QString& collection) {
    collection_ = collection;
    fill();
}

void FavouritesWindow::fill(const QString& chosen) {
    const QSignalBlocker quiet(list_);
    list_->clear();
    const QLocale locale(QLocale::Portuguese, QLocale::Brazil);
    for (const Favourite& favourite : favourites_.list(collection_)) {
        auto* item = new QTreeWidgetItem(
            list_, {favourite.title.isEmpty() ? favourite.pageName : favourite.title,
                    favourite.note, locale.toString(favourite.added.date(), QLocale::ShortFormat)});
        item->setData(0, kPageRole, favourite.pageName);
        item->setToolTip(0, favourite.pageName);
        item->setToolTip(1, favourite.note);
        if (favourite.pageName == chosen) {
            list_->setCurrentItem(item);
        }
    }
    if (list_->currentItem() == nullptr && list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(0));
    }
    showChosenNote();
}

QString FavouritesWindow::chosenPage() const {
    const QTreeWidgetItem* item = list_->currentItem();
    return item != nullptr ? item->data(0, kPageRole).toString() : QString();
}

void FavouritesWindow::showChosenNote() {
    const QTreeWidgetItem* item = list_->currentItem();
    noteField_->setText(item != nullptr ? item->text(1) : QString());
    for (QWidget* needsOne : {static_cast<QWidget*>(noteField_), static_cast<QWidget*>(openButton_),
                              static_cast<QWidget*>(removeButton_)}) {
        if (needsOne != nullptr) {
            needsOne->setEnabled(item != nullptr);
        }
    }
}

void FavouritesWindow::storeNote() {
    QTreeWidgetItem* item = list_->currentItem();
    if (item == nullptr || item->text(1) == noteField_->text()) {
        return;
    }
    favourites_.setNote(collection_, chosenPage(), noteField_->text());
    item->setText(1, noteField_->text());
    item->setToolTip(1, noteField_->text());
    Q_EMIT favouritesChanged();
}

void FavouritesWindow::keep(const QString& pageName, const QString& title) {
    favourites_.add(collection_, {pageName, title, QString(), {}});
    fill(pageName);
    Q_EMIT favouritesChanged();
    WindowPlacement::showOrRaise(this);
    noteField_->setFocus(Qt::OtherFocusReason);
    noteField_->selectAll();
}

void FavouritesWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        WindowPlacement::centreOnScreen(this);
    }
}

void FavouritesWindow::openChosen() {
    if (const QString page = chosenPage(); !page.isEmpty()) {
        Q_EMIT openRequested(page);
    }
}

void FavouritesWindow::removeChosen() {
    const QString page = chosenPage();
    if (page.isEmpty()) {
        return;
    }
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    favourites_.remove(collection_, page);
    fill();
    if (list_->topLevelItemCount() > 0) {
        list_->setCurrentItem(list_->topLevelItem(qMin(row, list_->topLevelItemCount() - 1)));
    }
    Q_EMIT favouritesChanged();
}

void FavouritesWindow::exportList() {
    const QString path = Prompts::current().saveFileName(
        this, QDir::home().filePath(QStringLiteral("favoritos.json")), kListFilter);
    if (!path.isEmpty()) {
        favourites_.exportTo(collection_, path);
    }
}

void FavouritesWindow::importList() {
    const QString path = Prompts::current().openFileName(this, QDir::homePath(), kListFilter);
    if (path.isEmpty()) {
        return;
    }
    const int added = favourites_.importFrom(collection_, path);
    fill(chosenPage());
    Q_EMIT favouritesChanged();
    Prompts::current().information(
        added == 1 ? QStringLiteral("1 documento foi adicionado aos favoritos.")
                   : QStringLiteral("%1 documentos foram adicionados aos favoritos.").arg(added));
}

}  // namespace corvanel
