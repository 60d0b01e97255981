#include "PrinterPrompt.h"

#include <QPrintDialog>

namespace corvanel {

namespace {

class SystemPrintDialog final : public PrinterPrompt {
public:
    bool choosePrinter(QPrinter& printer, QWidget* parent) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

}  // namespace

PrinterPrompt& PrinterPrompt::current() {
    static SystemPrintDialog dialog;
    return installed() != nullptr ? *installed() : dialog;
}

}  // namespace corvanel
