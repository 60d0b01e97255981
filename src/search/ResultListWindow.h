#pragma once

#include "RequestTable.h"
#include "ResultListHost.h"
#include "ResultListLogic.h"
#include "ResultListView.h"
#include "Sections.h"

#include <QString>
#include <QWidget>

#include <functional>

#include <QPixmap>

class QLabel;
class QLineEdit;
class QModelIndex;

namespace corvanel {

class Database;
class ResultListModel;
class StartupProgress;
class BusyWindow;

// The result-list window. It is created once at start, owns the connection
// to the collection's database for the whole run, and holds the content
// root that every other window reads. Other windows make a request by
// writing its request fields and showing it; a request made while it is
// already visible runs at once.
class ResultListWindow final : public QWidget, private ResultListHost {
    Q_OBJECT

public:
    // What the creation work reports to the other windows.
    struct CreationContext {
        QString connectionString;
        StartupProgress* progress = nullptr;
        std::function<void(Section, const QString&)> writeSectionTotal;
        std::function<void()> showContentLocationScreen;
        // Lets pending window messages through while rows are counted.
        std::function<void()> messagePump;
    };

    // Where a listed document (by its page name) and the help page open:
    // the document viewer.
    struct PageOpeners {
        std::function<void(const QString& pageName)> document;
        std::function<void()> help;
    };

    explicit ResultListWindow(QWidget* parent = nullptr);
    ~ResultListWindow() override;

private:
    // First: the request fields below refer into it.
    ResultListLogic logic_;

public:
    // Advances the splash, opens the database, counts the collection and its
    // sections, reads the content root and checks it for its marker file.
    // Stops at the first error and raises it; what was done stays done.
    void FormCreate(const CreationContext& context);

    // Request fields written by the other windows before showing this one.
    QString& tipo;
    QString& Edit4;
    QString& Aux;
    QString& SUBCAT;
    QString& SUBCATOK;

    // Written at creation for the other windows.
    QString& CaminhoCD;
    QString Edit6;

    // Visible controls: the search box (a request field too), the scope
    // name, the row count and the result list.
    QLineEdit* Edit3 = nullptr;
    QLineEdit* Pesquisando = nullptr;
    QLineEdit* Edit5 = nullptr;
    ResultListView* ListBox1 = nullptr;

    // The key behind each line of ListBox1.
    const QStringList& ListBox2() const { return logic_.lines().keys(); }

    // Empties ListBox1 and ListBox2, as callers do before a request.
    void clearLists();

    HeaderLayout headerLayout() const { return logic_.header(); }
    int resultLevel() const { return logic_.level(); }

    // The busy window shown around the window's database work.
    void setBusyScreen(BusyWindow* busy) { busy_ = busy; }
    void setPageOpeners(PageOpeners openers) { pageOpeners_ = std::move(openers); }

    // The open connection; null when creation could not open the database.
    Database* database() const;

    // The window's event handlers.
    void Bt_buscaClick();
    void Tavik3Click();
    void Tavik4Click();
    void Tavik1Click();
    void ListBox1DblClick(const QModelIndex& index);

    void setVisible(bool visible) override;

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    static void advanceSplashBar(StartupProgress& progress);

    void createControls();
    void FormShow();
    void FormResize();
    // Runs a handler with the search box's text as the words, shows an error
    // in the standard box, and shows the state it leaves.
    void perform(const std::function<void()>& handler);
    void showState();
    void applyHeader(HeaderLayout header);

    // ResultListHost
    void showBusy() override;
    void hideBusy() override;
    void processPendingMessages() override;
    void showMessage(const QString& text) override;
    void listsAboutToChange() override;
    void listsChanged() override;

    ResultListModel* model_ = nullptr;
    // The item picture's holder; it holds none.
    QPixmap Image1;
    QLabel* Image7 = nullptr;
    QLabel* Image6 = nullptr;
    QLabel* Image5 = nullptr;
    QWidget* Panel1 = nullptr;
    QWidget* Panel2 = nullptr;
    QWidget* Panel3 = nullptr;
    BusyWindow* busy_ = nullptr;
    PageOpeners pageOpeners_;
};

}  // namespace corvanel
