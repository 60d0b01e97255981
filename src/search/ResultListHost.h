#pragma once

#include <QString>

namespace corvanel {

// What the result-list logic asks of whatever shows it: the window, a test
// or the command-line tool. Every hook does nothing unless overridden.
class ResultListHost {
public:
    virtual ~ResultListHost() = default;

    // The busy window, around every operation that reads the database.
    virtual void showBusy() {}
    virtual void hideBusy() {}

    // Lets pending window messages through, once a list has been filled.
    virtual void processPendingMessages() {}

    // A plain message box.
    virtual void showMessage(const QString& text) { static_cast<void>(text); }

    // The lists are about to be rewritten, and have been; nothing reads them
    // in between.
    virtual void listsAboutToChange() {}
    virtual void listsChanged() {}
};

}  // namespace corvanel
