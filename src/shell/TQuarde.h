#pragma once

#include "InformationPageWindow.h"

namespace corvanel {

// The information page about the partner organisation.
class TQuarde final : public InformationPageWindow {
    Q_OBJECT

public:
    explicit TQuarde(QWidget* parent = nullptr);
};

}  // namespace corvanel
