#pragma once

#include "InformationPageWindow.h"

namespace corvanel {

// The information page about the partner organisation.
class PartnerWindow final : public InformationPageWindow {
    Q_OBJECT

public:
    explicit PartnerWindow(QWidget* parent = nullptr);
};

}  // namespace corvanel
