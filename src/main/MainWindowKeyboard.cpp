// The main window's keyboard: the order Tab follows, and the keys that
// choose a section tab as a click on it would.
#include "MainWindow.h"

#include "CategoryTree.h"
#include "ErrorBox.h"
#include "KeyboardReach.h"
#include "PageBrowser.h"
#include "PresentationPage.h"
#include "SectionPage.h"
#include "StartPage.h"

#include <QShortcut>

namespace corvanel {

using main_window::Page;

namespace {
constexpr int kTabCount = 7;
}  // namespace

void MainWindow::setUpKeyboard() {
    // Header first, then the page in front, then the foot and the logos.
    QList<QWidget*> order = headerStops_;
    order << startPage_->browser();
    for (const SectionPage* page : sectionPages_) {
        order << page->tabStops();
    }
    order << presentationPage_->tree() << footerStops_;
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order.at(i - 1), order.at(i));
    }

    const auto addKeys = [this](const QList<QKeySequence>& keys, const std::function<void()>& run) {
        for (const QKeySequence& key : keys) {
            auto* shortcut = new QShortcut(key, this);
            connect(shortcut, &QShortcut::activated, this, [run] { runGuarded(run); });
        }
    };
    addKeys({QKeySequence(Qt::CTRL | Qt::Key_Tab)},
            [this] { switchByKeyboard(main_window::neighbourTab(currentTab(), true)); });
    addKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab),
             QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab)},
            [this] { switchByKeyboard(main_window::neighbourTab(currentTab(), false)); });
    for (int i = 0; i < kTabCount; ++i) {
        addKeys({QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + i))},
                [this, i] { switchByKeyboard(static_cast<Page>(i)); });
    }
}

// The tab whose indicator shows; none on the presentation page.
std::optional<Page> MainWindow::currentTab() const {
    for (std::size_t i = 0; i < indicators_.size(); ++i) {
        if (!indicators_.at(i)->isHidden()) {
            return static_cast<Page>(i);
        }
    }
    return std::nullopt;
}

// As the tab's click, then the focus where the page starts.
void MainWindow::switchByKeyboard(Page page) {
    switchTo(page, main_window::Trigger::Tab);
    if (page != Page::Inicio && page != Page::Apresentacao) {
        sectionPage(static_cast<Section>(static_cast<int>(page) - 1))->focusSearchField();
    } else if (!KeyboardReach::isInSight(focusWidget())) {
        if (QWidget* first = KeyboardReach::firstInSight(this)) {
            first->setFocus(Qt::ShortcutFocusReason);
        }
    }
}

bool MainWindow::focusNextPrevChild(bool next) {
    return KeyboardReach::focusNext(this, next);
}

}  // namespace corvanel
