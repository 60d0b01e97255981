#pragma once

#include "Installable.h"

#include <functional>

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

    // The print preview: paint draws the pages onto printer, as often as
    // the user changes the page set-up; the user may print from it.
    virtual void showPreview(QPrinter& printer, QWidget* parent,
                             const std::function<void(QPrinter*)>& paint);

    static PrinterPrompt& current();
};

}  // namespace corvanel
