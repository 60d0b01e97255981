#include "SectionSwitching.h"

namespace corvanel::main_window {

namespace {

// The index among the indicators and, past the start page, the section pages.
int tabIndex(Page page) {
    return static_cast<int>(page);
}

}  // namespace

SwitchPlan switchPlan(Page page, Trigger trigger) {
    return SwitchPlan{
        .page = page,
        .hidesPresentation = trigger == Trigger::Tab && page == Page::Inicio,
        .raisesBarAndStrip =
            trigger == Trigger::Tab || (trigger == Trigger::Menu && page == Page::Textos),
    };
}

Page neighbourTab(std::optional<Page> current, bool forward) {
    constexpr int kTabs = 7;
    if (!current || *current == Page::Apresentacao) {
        return forward ? Page::Inicio : Page::Ciclos;
    }
    const int step = forward ? 1 : kTabs - 1;
    return static_cast<Page>((tabIndex(*current) + step) % kTabs);
}

void applySwitch(const SwitchPlan& plan, const PageStackWidgets& widgets) {
    const int current = tabIndex(plan.page);
    for (int i = 0; i < static_cast<int>(widgets.indicators.size()); ++i) {
        widgets.indicators.at(static_cast<std::size_t>(i))->setVisible(i == current);
    }
    // A section page covers the start and presentation pages as they are.
    for (int i = 0; i < static_cast<int>(widgets.sectionPages.size()); ++i) {
        QWidget* page = widgets.sectionPages.at(static_cast<std::size_t>(i));
        const bool isCurrent = i + 1 == current;
        page->setVisible(isCurrent);
        if (isCurrent) {
            page->raise();
        }
    }
    if (plan.page == Page::Inicio) {
        widgets.startPage->setVisible(true);
        if (plan.hidesPresentation) {
            widgets.presentationPage->setVisible(false);
        }
        widgets.startPage->raise();
    } else if (plan.page == Page::Apresentacao) {
        widgets.startPage->setVisible(true);
        widgets.presentationPage->setVisible(true);
        widgets.presentationPage->raise();
    }
    if (plan.raisesBarAndStrip) {
        widgets.greenBar->raise();
        widgets.greenStrip->raise();
    }
}

}  // namespace corvanel::main_window
