#include "PictureButtons.h"

#include "TTavik.h"
#include "TavikConfigurations.h"

namespace corvanel {

QWidget* addPictureButton(QWidget* parent, const textos_layout::Button& button,
                          std::function<void()> onClick) {
    auto* widget = new TTavik(parent);
    applyConfiguration(*widget, tavikConfiguration(u"TTextos", button.name));
    widget->move(button.position);
    widget->setCursor(Qt::PointingHandCursor);
    QObject::connect(widget, &TTavik::clicked, parent, std::move(onClick));
    return widget;
}

}  // namespace corvanel
