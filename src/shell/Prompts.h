#pragma once

#include "Installable.h"

#include <QString>

class QWidget;

namespace corvanel {

// Every message box and file dialog of the program goes through here, so
// that tests can answer them without a modal loop. The program uses the
// standard Qt dialogs; a test installs its own Prompts for its lifetime.
class Prompts : public Installable<Prompts> {
public:
    virtual ~Prompts() = default;

    // The standard error box: caption "Corvanel", the error's own text.
    virtual void error(const QString& message) = 0;
    // A plain message box with a single OK button.
    virtual void information(const QString& message) = 0;
    // Empty when the user cancels.
    virtual QString openFileName(QWidget* parent, const QString& folder, const QString& filter) = 0;
    virtual QString saveFileName(QWidget* parent, const QString& suggestedPath,
                                 const QString& filter) = 0;
    // A collection could not be opened and the program has no other: tells
    // why, and whether the user would open another one (true) or quit.
    virtual bool offerAnotherCollection(const QString& problem) = 0;
    // A folder to open; empty when the user cancels.
    virtual QString existingFolder(QWidget* parent, const QString& caption,
                                   const QString& folder) = 0;

    static Prompts& current();
};

// The application title: caption of the standard error box and of the
// main window.
inline constexpr QStringView kApplicationTitle = u"Corvanel";

}  // namespace corvanel
