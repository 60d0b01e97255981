#include "PrinterPrompt.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

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

void PrinterPrompt::showPreview(QPrinter& printer, QWidget* parent,
                                const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Visualizar impressão"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    dialog.exec();
}

PrinterPrompt& PrinterPrompt::current() {
    static SystemPrintDialog dialog;
    return installed() != nullptr ? *installed() : dialog;
}

}  // namespace corvanel
