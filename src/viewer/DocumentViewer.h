#pragma once

#include "CitationCopy.h"
#include "PageMarker.h"
#include "SaveDialog.h"
#include "ViewerHistory.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QWidget>

#include <functional>

class QAction;
class QFrame;

namespace corvanel {

class FindBar;
class OutlinePanel;
class PageBrowser;
class PageMarker;
class PageOutline;
class PageTravel;
class ViewerToolStrip;
class ZoomControl;

// Whether opening a page empties the save buffer: documents do, help does not.
enum class SaveBufferOnOpen { Empty, Keep };

// The document viewer: one page of the content folder at a time, which the
// user can save or print. Created hidden once; closing it only hides it.
//
// Keys: Ctrl+F finds in the page, F3 / Shift+F3 step through the words
// marked, Ctrl+P prints, Ctrl+Shift+P previews the print, Ctrl+Shift+S saves
// a PDF, Ctrl+plus / Ctrl+minus / Ctrl+0 zoom, Alt+Left / Alt+Right go back
// and forward, F9 shows the "Sumário", Ctrl+G goes to an article,
// Ctrl+Shift+C copies with citation, Ctrl+D adds to the favourites. The
// same commands are at the foot of the page's context menu and in the menu
// of the header strip.
class DocumentViewer final : public QWidget {
    Q_OBJECT

public:
    explicit DocumentViewer(QWidget* parent = nullptr);

    // Where printing and saving read the content root, each time they run.
    void setContentRootSource(std::function<QString()> contentRoot);

    // How every opener shows a page here: navigates first, then sets the
    // viewer's state, then shows the viewer and brings it to the front. A
    // navigation that fails raises before anything else changes.
    // searchWords: the words of the search the page was found by, marked
    // in it once it is shown, as marking asks (whole words, the occurrence
    // of a row's words in context current).
    void openPage(const QString& contentRoot, const QString& pageName, SaveBufferOnOpen saveBuffer,
                  const QStringList& searchWords = {}, const MarkChoices& marking = {});

    // The name of the page opened last.
    QString pageName() const { return pageName_; }

    // What the last save wrote, until a document is opened.
    const QByteArray& saveBuffer() const { return saveBuffer_; }

    PageBrowser* browser() const { return pageBrowser_; }
    FindBar* findBar() const { return findBar_; }
    PageMarker* marker() const { return marker_; }
    ZoomControl* zoom() const { return zoom_; }
    QStringList searchWords() const { return searchWords_; }

    PageOutline* outline() const { return outline_; }
    OutlinePanel* outlinePanel() const { return outlinePanel_; }
    PageTravel* travel() const { return travel_; }
    ViewerToolStrip* toolStrip() const { return toolStrip_; }

    // The collection's name and edition, read at each copy with citation.
    void setCitationSource(std::function<CitationSource()> collection);

    // The folder a file was saved to last, in this run or an earlier one.
    void setLastSaveFolder(const QString& folder);

    // The viewer's commands, as its keys and context menu run them.
    void openFind();
    void closeFind();
    void findNext();
    void findPrevious();
    void showPrintPreview();
    void saveAsPdf();
    void goBack();
    void goForward();
    void toggleOutline();
    void goToArticle();
    // The text selected in the page, with its citation, onto the clipboard.
    void copyWithCitation();
    void addToFavourites();

Q_SIGNALS:
    // A document (not the help page) was opened, and its title was read.
    void documentOpened(const QString& pageName);
    void documentTitleRead(const QString& pageName, const QString& title);
    // A file was written by a save: the page or its PDF.
    void fileSaved(const QString& path);
    // The PDF asked for was written, or could not be (problem not empty).
    void pdfFinished(const QString& path, const QString& problem);
    // "Adicionar aos favoritos" for the document shown.
    void favouriteRequested(const QString& pageName, const QString& title);
    void outlineShown(bool shown);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void addPictureButton(QStringView name, QPoint position, void (DocumentViewer::*handler)());
    void createCommands();
    void createReadingTools();
    // Back or forward to place: the viewer takes the place's state before it loads.
    void enterPlace(const ViewerPlace& place);
    ViewerPlace describePlace(const QUrl& url) const;
    QAction* addCommand(const QString& text, const QList<QKeySequence>& keys,
                        void (DocumentViewer::*handler)());
    // Marks the words wanted in a page just loaded: the typed ones while
    // finding, else the search words in the document they were found in.
    void markLoadedPage(bool loaded);
    void markWanted(PageMarker::Reveal reveal = PageMarker::Reveal::First);
    bool isFinding() const;
    void showMarks(int current, int count);
    // Saves a copy of the page shown, byte for byte, where the user says.
    void saveCopy();
    // What a save offers: the document's title, or its code.
    QString offeredName(QStringView extension) const;
    // Has the page shown print itself.
    void print();
    // The browser and the grey panel follow the window's size, which stays
    // above the minimum.
    void fitToWindowSize();
    QSize frameExtent() const;
    QString contentRoot() const;

    PageBrowser* pageBrowser_ = nullptr;
    QFrame* greyPanel_ = nullptr;
    QString pageName_;
    QString pageTitle_;  // once the document's page has loaded
    QByteArray saveBuffer_;
    SaveDialog saveDialog_;
    SaveDialog pdfDialog_{SaveDialog::kPdfFilter, u".pdf"};
    FindBar* findBar_ = nullptr;
    PageMarker* marker_ = nullptr;
    ZoomControl* zoom_ = nullptr;
    QStringList searchWords_;
    MarkChoices searchMarking_;
    QUrl documentUrl_;  // the file the search words belong to
    std::function<QString()> contentRoot_;
    std::function<CitationSource()> citationSource_;
    PageOutline* outline_ = nullptr;
    OutlinePanel* outlinePanel_ = nullptr;
    PageTravel* travel_ = nullptr;
    ViewerToolStrip* toolStrip_ = nullptr;
    QList<QAction*> readingCommands_;
    bool placed_ = false;
};

}  // namespace corvanel
