#pragma once

#include <QWidget>

#include <array>
#include <optional>

// Which page of the main window is in front, and how an entry brings its page
// there. The current page lives only in the controls' visibility and stacking.
namespace corvanel::main_window {

enum class Page {
    Inicio,
    Textos,
    Legislacao,
    Julgados,
    Experiencias,
    Modelos,
    Ciclos,
    Apresentacao
};

// Where the switch comes from: a tab button, a menu item (or its shortcut),
// or the header's presentation button.
enum class Trigger { Tab, Menu, Button };

struct SwitchPlan {
    Page page;
    bool hidesPresentation;  // the Início tab hides the presentation page
    bool raisesBarAndStrip;  // the green bar, then the short strip, to the front

    bool operator==(const SwitchPlan&) const = default;
};

SwitchPlan switchPlan(Page page, Trigger trigger);

// The section tab after (or before) current, round the row; from the
// presentation page, which has no tab, the first (or last) one.
Page neighbourTab(std::optional<Page> current, bool forward);

// The controls a switch touches.
struct PageStackWidgets {
    std::array<QWidget*, 7> indicators;  // BtInicio, then the sections'
    QWidget* startPage;
    std::array<QWidget*, 6> sectionPages;
    QWidget* presentationPage;
    QWidget* greenBar;
    QWidget* greenStrip;
};

// Carries a plan out on the controls; touches nothing but visibility and
// stacking order.
void applySwitch(const SwitchPlan& plan, const PageStackWidgets& widgets);

}  // namespace corvanel::main_window
