#pragma once

#include <QString>
#include <QUrl>
#include <QWebEngineView>

#include <memory>
#include <stdexcept>

class QPrinter;

namespace corvanel {

// Raised when an address cannot be shown at all.
class NavigationRefused : public std::runtime_error {
public:
    explicit NavigationRefused(const QString& address);
};

// The page browser of the windows. It takes addresses as the windows build
// them (see PageAddress), shows the browser's own page when one cannot be
// loaded, prints a page that asks to be printed, and opens the collection's
// links to the web in the user's own web browser.
class PageBrowser : public QWebEngineView {
    Q_OBJECT

public:
    explicit PageBrowser(QWidget* parent = nullptr);
    ~PageBrowser() override;

    // Starts loading address and returns; throws NavigationRefused for an
    // address that names neither a local page nor a web page.
    void Navigate(const QString& address);

    // The last address navigated to, as it was given.
    const QString& lastAddress() const { return lastAddress_; }

Q_SIGNALS:
    void navigationStarted(const QUrl& url);

private:
    void printPage();
    void finishPrinting(bool success);

    QString lastAddress_;
    std::unique_ptr<QPrinter> printer_;  // alive while a print runs
};

}  // namespace corvanel
