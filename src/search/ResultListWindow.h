#pragma once

#include "DisplayLineBreaker.h"
#include "RequestTable.h"
#include "ResultListHost.h"
#include "ResultListLogic.h"
#include "ResultListView.h"
#include "ResultRequest.h"

#include <QString>
#include <QWidget>

#include <functional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QModelIndex;

namespace corvanel {

class BusyWindow;
class Collection;
class ResultListModel;
class SearchOptions;
class SearchHistory;
class ZoomControl;

// The result-list window. It is created once at start and shows the requests
// other windows make of it through run(); showing or hiding it runs nothing
// by itself.
class ResultListWindow final : public QWidget, private ResultListHost {
    Q_OBJECT

public:
    // Where a listed document (its page, the words it was found by and how,
    // the words in context of the row opened) and the help page open: the
    // document viewer.
    struct PageOpeners {
        std::function<void(const DocumentToOpen& document)> document;
        std::function<void()> help;
    };

    explicit ResultListWindow(Collection& collection, QWidget* parent = nullptr);
    ~ResultListWindow() override;

    // Writes the request into the window's request, empties the lists when
    // asked, shows the window (or brings it forward) and runs the request.
    void run(const ResultRequest& request);

    // The request the window holds.
    const RequestFields& request() const { return logic_.fields; }

    QLineEdit* searchBox() const { return searchBox_; }
    QCheckBox* wholeWordsBox() const { return wholeWordsBox_; }
    // How searches match and results are listed: the window's own, which
    // the main window's boxes and menu share.
    SearchOptions* searchOptions() const { return options_; }
    QLineEdit* scopeField() const { return scopeField_; }
    QLineEdit* countField() const { return countField_; }
    ResultListView* resultList() const { return resultList_; }

    // The key behind each line of the result list.
    QStringList lineKeys() const { return logic_.lines().keys(); }

    HeaderLayout headerLayout() const { return logic_.header(); }
    int resultLevel() const { return logic_.level(); }

    // The busy window shown around the window's database work.
    void setBusyWindow(BusyWindow* busy) { busy_ = busy; }
    void setPageOpeners(PageOpeners openers) { pageOpeners_ = std::move(openers); }
    // The last searches, offered in the search box; every search adds to it.
    void setSearchHistory(SearchHistory* history);

    // Ctrl+plus, Ctrl+minus, Ctrl+0: the list's text grows, its lines wrap anew.
    ZoomControl* zoom() const { return zoom_; }

    // "Exibir > Trechos": the words in context under each row of a key-word
    // result. On unless the user turns them off.
    void setPassagesShown(bool shown);
    bool passagesShown() const;

    // The window's commands, as its buttons and the list run them.
    void search();
    void narrow();
    void stepBack();
    void showHelp();
    void openLine(const QModelIndex& index);

Q_SIGNALS:
    void passagesShownChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void nameForScreenReaders();
    // Where typing goes after a request: the list in the listing layout
    // (the box is covered there), else the box with its text selected.
    void focusForReading();
    void followOuterSize();
    // Runs a handler with the search box's text as the words, shows an error
    // in the standard box, and shows the state it leaves.
    void perform(const std::function<void()>& handler);
    void showState();
    void applyHeader(HeaderLayout header);
    void readLinesInView();
    void placeHeaderFields();

    // ResultListHost
    void showBusy() override;
    void hideBusy() override;
    void processPendingMessages() override;
    void showMessage(const QString& text) override;
    void listsAboutToChange() override;
    void listsChanged() override;

    DisplayLineBreaker decisionLines_;
    ResultListLogic logic_;
    ResultListModel* model_ = nullptr;
    QLineEdit* searchBox_ = nullptr;
    SearchOptions* options_ = nullptr;
    QCheckBox* wholeWordsBox_ = nullptr;
    QLineEdit* scopeField_ = nullptr;
    QLineEdit* countField_ = nullptr;
    int headerDrop_ = 0;  // of the scope and count row, by the header's layout
    ResultListView* resultList_ = nullptr;
    QLabel* headerStrip_ = nullptr;
    QLabel* scopeCaption_ = nullptr;
    QLabel* countCaption_ = nullptr;
    QWidget* searchCover_ = nullptr;
    QWidget* toolsCover_ = nullptr;
    QWidget* stripCover_ = nullptr;
    QList<QWidget*> coveredTools_;  // what the covers lie over in the listing layout
    BusyWindow* busy_ = nullptr;
    PageOpeners pageOpeners_;
    SearchHistory* searchHistory_ = nullptr;
    ZoomControl* zoom_ = nullptr;
    bool readErrorShown_ = false;  // since the lists were last filled
};

}  // namespace corvanel
