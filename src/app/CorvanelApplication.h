#pragma once

#include <QString>

#include <memory>

namespace corvanel {

class ContentLocationScreen;
class MainWindow;
class DocumentViewer;
class UpdateAssistant;
class AboutWindow;
class Collection;
class BusyWindow;
class PartnerWindow;
class SplashScreen;
class ResultListWindow;
class AssociationWindow;
class RememberedState;
class SearchHistory;
class ReadingTools;

// Owns every window of the program, creates them once in their fixed order
// while the splash reports progress, and wires them to one another.
class CorvanelApplication {
public:
    // programFolder: where the program and its database file live.
    explicit CorvanelApplication(QString programFolder);
    ~CorvanelApplication();
    CorvanelApplication(const CorvanelApplication&) = delete;
    CorvanelApplication& operator=(const CorvanelApplication&) = delete;

    // Shows the splash, creates the windows, closes the splash and shows the
    // main window. Returns once the main window is on screen.
    void start();

    // Leaves the collection open now for the one in folder (holding a
    // db3.mdb), which the program opens at its next start too.
    void switchCollection(const QString& folder);

    Collection& collection() const { return *collection_; }
    MainWindow* mainWindow() const { return mainWindow_.get(); }
    ResultListWindow* resultList() const { return resultList_.get(); }
    BusyWindow* busyScreen() const { return busy_.get(); }
    // Shown when start-up finds no marker file in the content root.
    ContentLocationScreen* contentLocationScreen() const { return contentLocation_.get(); }
    UpdateAssistant* updateAssistant() const { return updateAssistant_.get(); }
    AboutWindow* aboutWindow() const { return about_.get(); }
    DocumentViewer* viewer() const { return viewer_.get(); }
    AssociationWindow* associationWindow() const { return association_.get(); }
    PartnerWindow* partnerWindow() const { return partner_.get(); }
    ReadingTools* readingTools() const { return readingTools_.get(); }
    RememberedState& rememberedState() const { return *state_; }
    SearchHistory& searchHistory() const { return *searchHistory_; }

private:
    void createResultList(SplashScreen& splash);
    // Opens the collection in programFolder_: totals, content root; asks for
    // the content's folder when the marker file is not found. Throws
    // DatabaseError.
    void openCollection();
    // "Abrir coleção...": a folder dialog, then the collection it names.
    void openAnotherCollection();
    // A collection from the earlier builder searches, but slowly at first:
    // the user is told once per start how to add its index.
    void adviseReindexWhenIndexIncomplete();
    void createUpdateAssistantAndAbout();
    void createInformationWindows();
    void createViewer();
    // Window places, zoom, last folder and history, from the user's settings.
    void rememberReading();
    void openRecentDocument(const QString& pageName);
    void clearHistory();
    QString contentRoot() const;

    QString programFolder_;
    // Before the windows: they hold on to them.
    std::unique_ptr<Collection> collection_;
    std::unique_ptr<RememberedState> state_;
    std::unique_ptr<SearchHistory> searchHistory_;
    std::unique_ptr<BusyWindow> busy_;
    std::unique_ptr<ContentLocationScreen> contentLocation_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<UpdateAssistant> updateAssistant_;
    std::unique_ptr<AboutWindow> about_;
    std::unique_ptr<DocumentViewer> viewer_;
    std::unique_ptr<ReadingTools> readingTools_;
    std::unique_ptr<ResultListWindow> resultList_;
    std::unique_ptr<PartnerWindow> partner_;
    std::unique_ptr<AssociationWindow> association_;
    bool reindexAdvised_ = false;
};

}  // namespace corvanel
