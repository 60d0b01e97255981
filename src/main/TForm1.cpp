#include "TForm1.h"

#include "Look.h"
#include "Prompts.h"
#include "WindowPlacement.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{786, 600};
}  // namespace layout

namespace {

QLabel* addCounterRow(QGridLayout* grid, const QString& caption, const QString& initialText) {
    const int row = grid->rowCount();
    auto* captionLabel = new QLabel(caption);
    captionLabel->setFont(Look::sansSerif(13));
    auto* value = new QLabel(initialText);
    value->setFont(Look::sansSerif(13));
    value->setObjectName(initialText);
    grid->addWidget(captionLabel, row, 0);
    grid->addWidget(value, row, 1, Qt::AlignRight);
    return value;
}

}  // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(kApplicationTitle.toString());
    resize(layout::kClientSize);
    Look::fillBackground(this, Look::windowGreen());

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(24, 24, 24, 24);

    auto* panel = new QWidget(central);
    Look::fillBackground(panel, Look::panelWhite());
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(32, 24, 32, 24);
    auto* heading = new QLabel(kApplicationTitle.toString());
    QFont headingFont = Look::sansSerif(28);
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setStyleSheet(QStringLiteral("color: rgb(46, 125, 50);"));
    grid->addWidget(heading, 0, 0, 1, 2);

    TotTextos = addCounterRow(grid, QStringLiteral("Textos"), QStringLiteral("TotTextos"));
    TotLegislacao =
        addCounterRow(grid, QStringLiteral("Legislação"), QStringLiteral("TotLegislacao"));
    TotJulgados = addCounterRow(grid, QStringLiteral("Julgados"), QStringLiteral("TotJulgados"));
    TotExperiencias =
        addCounterRow(grid, QStringLiteral("Experiências"), QStringLiteral("TotExperiencias"));
    TotModelos = addCounterRow(grid, QStringLiteral("Modelos"), QStringLiteral("TotModelos"));
    TotCiclos = addCounterRow(grid, QStringLiteral("Ciclos de Vida"), QStringLiteral("TotCiclos"));
    Edit8 = addCounterRow(grid, QStringLiteral("Total de Doc.: "), QString());
    grid->setRowStretch(grid->rowCount(), 1);

    outer->addWidget(panel);
    setCentralWidget(central);
    WindowPlacement::centreOnScreen(this);
}

QLabel* TForm1::counter(TTextos::Section section) const {
    switch (section) {
        case TTextos::Section::Textos:
            return TotTextos;
        case TTextos::Section::Legislacao:
            return TotLegislacao;
        case TTextos::Section::Julgados:
            return TotJulgados;
        case TTextos::Section::Experiencias:
            return TotExperiencias;
        case TTextos::Section::Modelos:
            return TotModelos;
        case TTextos::Section::Ciclos:
            return TotCiclos;
    }
    return TotTextos;
}

void TForm1::setSectionTotal(TTextos::Section section, const QString& total) {
    counter(section)->setText(total);
}

QString TForm1::sectionTotal(TTextos::Section section) const { return counter(section)->text(); }

QString TForm1::totalDocuments() const { return Edit8->text(); }

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TForm1::FormShow() {
    if (resultList_ != nullptr) {
        Edit8->setText(resultList_->Edit6);
    }
}

void TForm1::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted()) {
        Q_EMIT closed();
    }
}

}  // namespace corvanel
