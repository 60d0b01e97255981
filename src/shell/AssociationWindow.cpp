#include "AssociationWindow.h"

#include "ContentAddress.h"

namespace corvanel {

namespace layout {
constexpr InformationPageWindow::Layout kAssociationPage{
    .caption = u"ZEFT",
    .clientSize = {603, 460},
    .position = std::nullopt,
    .panel = {12, 11, 581, 438},
    .raisedPanel = false,
    .picture = u"zeft.jpg",
    .pictureGeometry = {188, 4, 205, 157},
    .browser = {16, 168, 553, 257},
    .pageName = ContentAddress::kZeftPage,
};
}  // namespace layout

AssociationWindow::AssociationWindow(QWidget* parent)
    : InformationPageWindow(layout::kAssociationPage, parent) {
    setObjectName(QStringLiteral("ZEFT"));
}

}  // namespace corvanel
