#include "Prompts.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace corvanel {

namespace {

class DialogPrompts final : public Prompts {
public:
    void error(const QString& message) override {
        QMessageBox::critical(QApplication::activeWindow(), kApplicationTitle.toString(), message);
    }

    // Its text can be selected and copied, an address in it above all.
    void information(const QString& message) override {
        QMessageBox box(QMessageBox::Information, kApplicationTitle.toString(), message,
                        QMessageBox::Ok, QApplication::activeWindow());
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box.exec();
    }

    bool offerAnotherCollection(const QString& problem) override {
        QMessageBox box(QMessageBox::Critical, kApplicationTitle.toString(), problem,
                        QMessageBox::NoButton, QApplication::activeWindow());
        QPushButton* another =
            box.addButton(QStringLiteral("Abrir outra coleção"), QMessageBox::AcceptRole);
        box.addButton(QStringLiteral("Sair"), QMessageBox::RejectRole);
        box.setDefaultButton(another);
        box.exec();
        return box.clickedButton() == another;
    }

    QString openFileName(QWidget* parent, const QString& folder, const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    }

    QString saveFileName(QWidget* parent, const QString& suggestedPath,
                         const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, QString(), suggestedPath, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    }

    QString existingFolder(QWidget* parent, const QString& caption,
                           const QString& folder) override {
        return QFileDialog::getExistingDirectory(parent, caption, folder);
    }
};

}  // namespace

Prompts& Prompts::current() {
    static DialogPrompts dialogs;
    return installed() != nullptr ? *installed() : dialogs;
}

}  // namespace corvanel
