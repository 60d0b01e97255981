#pragma once

#include "Collection.h"

#include <QString>

#include <optional>

namespace corvanel {

// Opens collections for the program: each on a thread of its own, while the
// GUI thread waits with painting and timers going on and the user's input
// held back until the opening is done, so nothing the user does reaches a
// collection half opened. One opening at a time.
class CollectionOpener {
public:
    struct Outcome {
        std::optional<Collection> collection;  // opened, counted, its folder decided
        QString problem;                       // why not, in the user's words
    };

    // The collection in programFolder, or the reason it could not be opened.
    // While one opening runs another is refused with its reason.
    Outcome open(const QString& programFolder);

    bool isOpening() const { return opening_; }

private:
    bool opening_ = false;
};

}  // namespace corvanel
