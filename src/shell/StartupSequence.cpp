#include "StartupSequence.h"

#include "ErrorBox.h"
#include "StartupProgress.h"

namespace corvanel {

namespace {

void create(const std::function<void()>& step) {
    if (step) {
        runGuarded(step);
    }
}

}  // namespace

void runStartupSteps(StartupProgress& progress, const StartupSteps& steps) {
    create(steps.createMainWindow);
    create(steps.createUpdateAssistantAndAbout);
    progress.setStatus(QStringLiteral("Configurando ambiente..."));
    progress.setBarPosition(10);
    progress.setStatus(QStringLiteral("Inicializando banco de Dados..."));
    create(steps.createViewer);
    create(steps.createResultList);
    create(steps.createInformationWindows);
    progress.setStatus(QStringLiteral("Inicializando aplicativo."));
    progress.setBarPosition(100);
}

}  // namespace corvanel
