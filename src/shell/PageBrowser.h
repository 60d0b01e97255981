#pragma once

#include "ContentFolder.h"

#include <QList>
#include <QString>
#include <QUrl>
#include <QWebEngineView>

#include <functional>
#include <memory>
#include <stdexcept>

class QAction;
class QPrinter;

namespace corvanel {

class ContentPage;

// Raised when an address cannot be shown at all.
class NavigationRefused : public std::runtime_error {
public:
    explicit NavigationRefused(const QString& address);
};

// The page browser of the windows. It takes addresses as the windows build
// them (see PageAddress), shows the browser's own page when one cannot be
// loaded, prints a page that asks to be printed, and opens the collection's
// links to the web in the user's own web browser when the user follows
// them. Local pages read files only from the collection's folder, the
// content root it is told.
class PageBrowser : public QWebEngineView {
    Q_OBJECT

public:
    explicit PageBrowser(QWidget* parent = nullptr);
    ~PageBrowser() override;

    // Starts loading address and returns; throws NavigationRefused for an
    // address that names neither a local page of the content folder nor a
    // web page.
    void Navigate(const QString& address);

    // Where the content folder is read from at each navigation. Without one,
    // local pages may read no files at all.
    void setContentFolderSource(std::function<ContentFolder()> contentFolder);
    // The same from the text of a content root, resolved at each navigation.
    void setContentRootSource(std::function<QString()> contentRoot);

    // The last address navigated to, as it was given, and the URL it led to.
    const QString& lastAddress() const { return lastAddress_; }
    const QUrl& lastUrl() const { return lastUrl_; }

    // Commands of the window added at the foot of the page's context menu.
    void setWindowCommands(QList<QAction*> commands) { windowCommands_ = std::move(commands); }

    // The print preview of the page shown; the user may print from it.
    void showPrintPreview();
    // Prints the page shown onto printer and returns once it is printed;
    // false when it could not be.
    bool printNow(QPrinter* printer);

Q_SIGNALS:
    void navigationStarted(const QUrl& url);
    // A print the page asked for went to the printer (or its file), or failed.
    void printed(bool success);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void printPage();
    void finishPrinting(const QByteArray& pdf);
    // The page's PDF laid out for printer, made while waiting here.
    QByteArray pdfFor(const QPrinter& printer);

    ContentPage* page_;
    std::function<ContentFolder()> contentFolder_;
    QString lastAddress_;
    QUrl lastUrl_;
    std::unique_ptr<QPrinter> printer_;  // alive while a print runs
    QList<QAction*> windowCommands_;
    bool printingNow_ = false;
};

}  // namespace corvanel
