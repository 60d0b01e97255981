#include "PartnerWindow.h"

#include "ContentAddress.h"

namespace corvanel {

namespace layout {
constexpr InformationPageWindow::Layout kPartnerPage{
    .caption = u"quarde",
    .clientSize = {603, 460},
    .position = QPoint{221, 178},
    .panel = {12, 11, 581, 438},
    .raisedPanel = true,
    .picture = u"quarde.jpg",
    .pictureGeometry = {188, 4, 200, 150},
    .browser = {16, 168, 553, 257},
    .pageName = ContentAddress::kQuardePage,
};
}  // namespace layout

PartnerWindow::PartnerWindow(QWidget* parent)
    : InformationPageWindow(layout::kPartnerPage, parent) {
    setObjectName(QStringLiteral("Quarde"));
}

}  // namespace corvanel
