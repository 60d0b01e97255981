#pragma once

#include "MainWindowLayout.h"
#include "PageRequest.h"
#include "RememberedState.h"
#include "ResultRequest.h"
#include "SectionSwitching.h"
#include "Sections.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class QFrame;
class QLabel;

namespace corvanel {

class CategoryTree;
class Collection;
class ResultListWindow;
class PresentationPage;
class SectionPage;
class StartPage;
class UpdateAssistant;
class AboutWindow;
class PartnerWindow;
class AssociationWindow;
class SearchHistory;

// The program's main window: the header with its command buttons, the
// section tabs, the start page, the six section pages and the presentation.
// It lists nothing itself: it fills the result-list window's fields and shows
// it, or has the viewer open a page. Closing it ends the program.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    using ResultListOpener = std::function<void(const ResultRequest&)>;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The collection whose content root and totals the window shows.
    void setCollection(const Collection* collection);
    // Requests go to it unless another opener is set.
    void setResultList(ResultListWindow* resultList);
    void setResultListOpener(ResultListOpener opener);
    void setPageOpener(PageOpener opener);
    // Runs "Abrir coleção...": asks for another collection and opens it.
    void setCollectionOpener(std::function<void()> opener);
    void setInformationWindows(AssociationWindow* association, PartnerWindow* partner);
    void setUpdateAssistant(UpdateAssistant* assistant);
    void setAboutWindow(AboutWindow* about);

    // What "Documentos recentes" lists and opens, and what "Limpar
    // histórico" clears.
    struct ReadingHistory {
        std::function<QList<RecentDocument>()> recentDocuments;
        std::function<void(const QString& pageName)> openRecent;
        std::function<void()> clear;
    };
    void setReadingHistory(ReadingHistory history);
    // The last searches, offered in the section pages' search fields.
    void setSearchHistory(SearchHistory* history);

    // The collection's section totals, once counted, in the section pages.
    void showTotals();
    // After another collection was opened: its totals and its start page.
    void showCollection();
    void setSectionTotal(Section section, const QString& total);
    QString sectionTotal(Section section) const;

    // The total shown beside "Total de Doc.: ".
    QString totalDocuments() const;

    // W × H as the layout rules see them: the client area below the menu
    // bar plus the frame the layout was drawn for.
    QSize outerSize() const;

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // Tab order, the keys of the section tabs (MainWindowKeyboard.cpp).
    void setUpKeyboard();
    void buildMenu();
    void switchByKeyboard(main_window::Page page);
    std::optional<main_window::Page> currentTab() const;

    void buildHeader();
    void buildTabRow();
    void buildFrame();
    void buildPages();
    void connectCommands();

    void showStartPage();
    void showCollectionName();
    void keepGreenStripOnTop();
    void followOuterSize();

    void runMenuCommand(main_window::MenuCommand command);
    void switchTo(main_window::Page page, main_window::Trigger trigger);
    void treeActivated(const CategoryTree& tree);
    void openResultList(const ResultRequest& request);
    void openPage(const QString& pageName, bool keepsSaveBuffer);
    void showHelp();
    void checkForUpdates();
    void showWindow(QWidget* window);
    QString contentRoot() const;
    SectionPage* sectionPage(Section section) const;

    QWidget* canvas_ = nullptr;
    const Collection* collection_ = nullptr;
    ResultListWindow* resultList_ = nullptr;
    ResultListOpener resultListOpener_;
    PageOpener pageOpener_;
    std::function<void()> collectionOpener_;
    AssociationWindow* association_ = nullptr;
    PartnerWindow* partner_ = nullptr;
    UpdateAssistant* updateAssistant_ = nullptr;
    AboutWindow* about_ = nullptr;
    ReadingHistory readingHistory_;

    // Header and frame.
    QLabel* logosBackdrop_ = nullptr;
    std::array<QWidget*, 7> indicators_{};
    QFrame* greenBar_ = nullptr;
    QFrame* greenStrip_ = nullptr;
    QFrame* leftEdge_ = nullptr;
    QFrame* rightEdge_ = nullptr;
    QFrame* tabRowEnd_ = nullptr;
    QFrame* footer_ = nullptr;
    QFrame* footerLeft_ = nullptr;

    // Pages.
    StartPage* startPage_ = nullptr;
    std::array<SectionPage*, kSectionCount> sectionPages_{};
    PresentationPage* presentationPage_ = nullptr;

    main_window::PageStackWidgets pageStack_{};
    QList<QWidget*> headerStops_;  // command buttons, then tabs
    QList<QWidget*> footerStops_;  // help, then the two logo areas

    bool shownOnce_ = false;
    bool fittedInFrame_ = false;
};

}  // namespace corvanel
