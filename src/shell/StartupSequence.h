#pragma once

#include <functional>

namespace corvanel {

class StartupProgress;

// The windows that start-up creates, in the order it creates them. A step
// left empty is skipped.
struct StartupSteps {
    std::function<void()> createMainWindow;
    std::function<void()> createUpdateAssistantAndAbout;
    std::function<void()> createViewer;
    std::function<void()> createResultList;
    std::function<void()> createInformationWindows;
};

// Creates the windows in their fixed order while the splash reports
// progress. A window whose creation fails is reported in the standard error
// box, and start-up goes on with the next one.
void runStartupSteps(StartupProgress& progress, const StartupSteps& steps);

}  // namespace corvanel
