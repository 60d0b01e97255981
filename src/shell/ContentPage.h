#pragma once

#include "BrowsingPolicy.h"
#include "ContentFolder.h"

#include <QWebEnginePage>

#include <utility>

class QWebEngineNewWindowRequest;

namespace corvanel {

class RecentUserInput;

// The page of the page browser: it holds every navigation, new window and
// request of what it shows to the browsing policy, for the collection it was
// told. Links to the web the user follows go to the user's own web browser.
class ContentPage final : public QWebEnginePage {
public:
    ContentPage(RecentUserInput& userInput, QObject* parent);

    // The folder the pages shown from now on may read from.
    void setCollection(ContentFolder collection) { collection_ = std::move(collection); }
    const ContentFolder& collection() const { return collection_; }

protected:
    bool acceptNavigationRequest(const QUrl& target, NavigationType type, bool) override;

private:
    void handleNewWindow(QWebEngineNewWindowRequest& request);
    // Whether this page itself should go to target.
    bool follow(const QUrl& target, BrowsingPolicy::Initiator initiator);

    RecentUserInput& userInput_;
    ContentFolder collection_;
};

}  // namespace corvanel
