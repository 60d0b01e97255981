#pragma once

#include "TTextos.h"

#include <QMainWindow>

class QLabel;

namespace corvanel {

// The program's main window. Closing it ends the program.
class TForm1 final : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // The window whose fields hold the content root and the total count.
    void setResultList(TTextos* resultList) { resultList_ = resultList; }

    // Written once by the result-list window while it is created.
    void setSectionTotal(TTextos::Section section, const QString& total);
    QString sectionTotal(TTextos::Section section) const;

    // The total shown beside "Total de Doc.: ".
    QString totalDocuments() const;

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormShow();
    QLabel* counter(TTextos::Section section) const;

    TTextos* resultList_ = nullptr;
    QLabel* TotTextos = nullptr;
    QLabel* TotLegislacao = nullptr;
    QLabel* TotJulgados = nullptr;
    QLabel* TotExperiencias = nullptr;
    QLabel* TotModelos = nullptr;
    QLabel* TotCiclos = nullptr;
    QLabel* Edit8 = nullptr;
    bool shownOnce_ = false;
};

}  // namespace corvanel
