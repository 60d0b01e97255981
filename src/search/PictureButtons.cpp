#include "PictureButtons.h"

#include "PictureButton.h"
#include "PictureButtonConfigurations.h"

namespace corvanel {

QWidget* addPictureButton(QWidget* parent, const result_list_layout::Button& button,
                          std::function<void()> onClick) {
    auto* widget = new PictureButton(parent);
    applyConfiguration(*widget, pictureButtonConfiguration(u"TTextos", button.name));
    widget->move(button.position);
    widget->setCursor(Qt::PointingHandCursor);
    QObject::connect(widget, &PictureButton::clicked, parent, std::move(onClick));
    return widget;
}

}  // namespace corvanel
