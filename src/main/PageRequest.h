#pragma once

#include <QString>

#include <functional>

namespace corvanel {

// A page of the content folder for the document viewer: the viewer builds
// its address from the content root and the page name, and empties its save
// buffer unless told to keep it (the help page keeps it).
struct PageRequest {
    QString contentRoot;
    QString pageName;
    bool keepsSaveBuffer = false;

    bool operator==(const PageRequest&) const = default;
};

using PageOpener = std::function<void(const PageRequest&)>;

}  // namespace corvanel
