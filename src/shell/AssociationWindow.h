#pragma once

#include "InformationPageWindow.h"

namespace corvanel {

// The information page about the publishing association.
class AssociationWindow final : public InformationPageWindow {
    Q_OBJECT

public:
    explicit AssociationWindow(QWidget* parent = nullptr);
};

}  // namespace corvanel
