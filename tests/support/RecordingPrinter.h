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

    // The preview draws once, into the file when there is one.
    void showPreview(QPrinter& printer, QWidget*,
                     const std::function<void(QPrinter*)>& paint) override {
        ++previews;
        if (!pdfPath_.isEmpty()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdfPath_ + QStringLiteral(".preview.pdf"));
        }
        paint(&printer);
    }

    int asked = 0;
    int previews = 0;

private:
    QString pdfPath_;
    Installation installation_{*this};
};

}  // namespace corvanel::testing
