#include "UpdateAssistant.h"

#include "ErrorBox.h"
#include "Look.h"
#include "PageBrowser.h"
#include "Prompts.h"
#include "Publisher.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QShowEvent>

namespace corvanel {

namespace layout {
constexpr QSize kClientSize{376, 263};
constexpr QPoint kPosition{308, 280};
constexpr QRect kWhitePanel{8, 8, 361, 249};
constexpr QRect kPageBrowser{8, 8, 345, 233};
}  // namespace layout

namespace {

constexpr QStringView kUpdateNotice =
    u"Para verificar novas versões do LUMBRA você deve estar conectado a Internet.";

// The address of the update-check page, with the program's version.
QString updateCheckAddress() {
    return Publisher::kUpdateCheckPage + u"?versao=" + Publisher::kProgramVersion;
}

}  // namespace

UpdateAssistant::UpdateAssistant(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form16"));
    Look::setUpToolWindow(this, QStringLiteral("Assistente de Atualização"), layout::kClientSize);
    QFrame* whitePanel = Look::addPanel(this, layout::kWhitePanel);
    whitePanel->setObjectName(QStringLiteral("Panel1"));
    pageBrowser_ = new PageBrowser(whitePanel);
    pageBrowser_->setObjectName(QStringLiteral("Nav3"));
    pageBrowser_->setGeometry(layout::kPageBrowser);
    move(layout::kPosition);
}

void UpdateAssistant::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        runGuarded([this] { loadUpdateCheckPage(); });
    }
}

void UpdateAssistant::loadUpdateCheckPage() {
    pageBrowser_->Navigate(updateCheckAddress());
}

void openUpdateAssistant(UpdateAssistant& assistant) {
    Prompts::current().information(kUpdateNotice.toString());
    WindowPlacement::showOrRaise(&assistant);
}

}  // namespace corvanel
