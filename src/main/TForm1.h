#pragma once

#include "MainWindowLayout.h"
#include "PageRequest.h"
#include "ResultListRequest.h"
#include "SectionSwitching.h"
#include "TTextos.h"

#include <QMainWindow>

#include <array>
#include <functional>

class QFrame;
class QLabel;

namespace corvanel {

class CategoryTree;
class PresentationPage;
class SectionPage;
class StartPage;
class TForm16;
class TForm17;
class TQuarde;
class TZEFT;

// The program's main window: the header with its command buttons, the
// section tabs, the start page, the six section pages and the presentation.
// It lists nothing itself: it fills the result-list window's fields and shows
// it, or has the viewer open a page. Closing it ends the program.
class TForm1 final : public QMainWindow {
    Q_OBJECT

public:
    using ResultListOpener = std::function<void(const ResultListRequest&)>;

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The window whose fields hold the content root and the collection's
    // total; requests go to it unless another opener is set.
    void setResultList(TTextos* resultList);
    void setResultListOpener(ResultListOpener opener);
    void setPageOpener(PageOpener opener);
    void setInformationWindows(TZEFT* zeft, TQuarde* quarde);
    void setUpdateAssistant(TForm16* assistant);
    void setAboutWindow(TForm17* about);

    // Written once by the result-list window while it is created.
    void setSectionTotal(TTextos::Section section, const QString& total);
    QString sectionTotal(TTextos::Section section) const;

    // The total shown beside "Total de Doc.: ".
    QString totalDocuments() const;

    // W × H as the layout rules see them: the client area below the menu
    // bar plus the frame the layout was drawn for.
    QSize outerSize() const;

Q_SIGNALS:
    void closed();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildHeader();
    void buildTabRow();
    void buildFrame();
    void buildPages();
    void connectCommands();

    void FormShow();
    void FormPaint();
    void FormResize();
    void Edit8Change();

    void runMenuCommand(form1::MenuCommand command);
    void switchTo(form1::Page page, form1::Trigger trigger);
    void treeActivated(const CategoryTree& tree);
    void openResultList(const ResultListRequest& request);
    void openPage(const QString& pageName, bool keepsSaveBuffer);
    void showHelp();
    void checkForUpdates();
    void showWindow(QWidget* window);
    QString contentRoot() const;
    SectionPage* sectionPage(TTextos::Section section) const;

    QWidget* canvas_ = nullptr;
    TTextos* resultList_ = nullptr;
    ResultListOpener resultListOpener_;
    PageOpener pageOpener_;
    TZEFT* zeft_ = nullptr;
    TQuarde* quarde_ = nullptr;
    TForm16* updateAssistant_ = nullptr;
    TForm17* about_ = nullptr;

    // Header and frame.
    QLabel* Image38 = nullptr;
    std::array<QWidget*, 7> indicators_{};
    QFrame* Barra_verde = nullptr;
    QFrame* Panel6 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel4 = nullptr;
    QFrame* Panel7 = nullptr;
    QFrame* Panel5 = nullptr;
    QFrame* Panel3 = nullptr;

    // Pages.
    StartPage* PgInicio = nullptr;
    std::array<SectionPage*, form1::kSectionCount> sectionPages_{};
    PresentationPage* PApresentacao = nullptr;

    form1::PageStackWidgets pageStack_{};

    QString Edit8;
    bool shownOnce_ = false;
};

}  // namespace corvanel
