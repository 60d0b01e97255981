#pragma once

#include "Installable.h"

class QPrinter;
class QWidget;

namespace corvanel {

// The system print dialog, reached through here so that tests can answer it
// without a modal loop; a test installs its own (Installation) for its
// lifetime.
class PrinterPrompt : public Installable<PrinterPrompt> {
public:
    virtual ~PrinterPrompt() = default;

    // Lets the user set printer up; false when they cancel.
    virtual bool choosePrinter(QPrinter& printer, QWidget* parent) = 0;

    static PrinterPrompt& current();
};

}  // namespace corvanel
