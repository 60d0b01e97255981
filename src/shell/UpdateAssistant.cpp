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
constexpr QRect kPanel1{8, 8, 361, 249};
constexpr QRect kNav3{8, 8, 345, 233};
}  // namespace layout

namespace {
constexpr QStringView kUpdateNotice =
    u"Para verificar novas versões do LUMBRA você deve estar conectado a Internet.";
}  // namespace

UpdateAssistant::UpdateAssistant(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form16"));
    Look::setUpToolWindow(this, QStringLiteral("Assistente de Atualização"), layout::kClientSize);
    QFrame* Panel1 = Look::addPanel(this, layout::kPanel1);
    Nav3 = new PageBrowser(Panel1);
    Nav3->setGeometry(layout::kNav3);
    move(layout::kPosition);
}

void UpdateAssistant::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        runGuarded([this] { FormShow(); });
    }
}

void UpdateAssistant::FormShow() { Nav3->Navigate(updateCheckAddress()); }

QString updateCheckAddress() {
    return Publisher::kUpdateCheckPage + u"?versao=" + Publisher::kProgramVersion;
}

void openUpdateAssistant(UpdateAssistant& assistant) {
    Prompts::current().information(kUpdateNotice.toString());
    WindowPlacement::showOrRaise(&assistant);
}

}  // namespace corvanel
