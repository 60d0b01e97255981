#pragma once

#include "Prompts.h"

#include <QList>
#include <QStringList>

namespace corvanel::testing {

// Answers the program's message boxes and file dialogs without showing
// them, and remembers what was asked. Installed for its own lifetime.
class RecordingPrompts final : public Prompts {
public:
    RecordingPrompts() : installation_(*this) {}

    void error(const QString& message) override { errors << message; }
    void information(const QString& message) override { messages << message; }
    bool offerAnotherCollection(const QString& problem) override {
        offers << problem;
        return !offerAnswers.isEmpty() && offerAnswers.takeFirst();
    }
    QString openFileName(QWidget*, const QString& folder, const QString& filter) override {
        openDialogs << folder + QLatin1Char('|') + filter;
        return openAnswer;
    }
    QString saveFileName(QWidget*, const QString& suggestedPath, const QString& filter) override {
        saveDialogs << suggestedPath + QLatin1Char('|') + filter;
        return saveAnswer;
    }
    QString existingFolder(QWidget*, const QString& caption, const QString& folder) override {
        folderDialogs << caption + QLatin1Char('|') + folder;
        return folderAnswer;
    }

    QStringList errors;
    QStringList offers;        // "Abrir outra coleção" or quit
    QList<bool> offerAnswers;  // taken in turn; none left: quit
    QStringList messages;
    QStringList openDialogs;
    QStringList saveDialogs;
    QStringList folderDialogs;
    QString openAnswer;
    QString saveAnswer;
    QString folderAnswer;

private:
    Installation installation_;
};

}  // namespace corvanel::testing
