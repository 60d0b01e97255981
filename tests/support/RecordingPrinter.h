#pragma once

#include "PrinterPrompt.h"

#include <QPrinter>
#include <QString>

namespace corvanel::testing {

// Answers the print dialog without showing it, and counts how often a page
// asked for it. With a path it prints into that PDF file; without one it
// declines, as a user pressing "Cancelar" would. Installed for its lifetime.
class RecordingPrinter final : public PrinterPrompt {
public:
    explicit RecordingPrinter(QString pdfPath = QString()) : pdfPath_(std::move(pdfPath)) {}

    bool choosePrinter(QPrinter& printer, QWidget*) override {
        ++asked;
        if (pdfPath_.isEmpty()) {
            return false;
        }
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath_);
        return true;
    }

    int asked = 0;

private:
    QString pdfPath_;
    Installation installation_{*this};
};

}  // namespace corvanel::testing
