#pragma once

#include "InformationPageWindow.h"

namespace corvanel {

// The information page about the publishing association.
class TZEFT final : public InformationPageWindow {
    Q_OBJECT

public:
    explicit TZEFT(QWidget* parent = nullptr);
};

}  // namespace corvanel
