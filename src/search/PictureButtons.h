#pragma once

#include "ResultListWindowLayout.h"

#include <functional>

class QWidget;

namespace corvanel {

// Makes one of the window's picture buttons, set up as the program's table
// of picture buttons says, calling onClick when it is clicked.
QWidget* addPictureButton(QWidget* parent, const result_list_layout::Button& button,
                          std::function<void()> onClick);

}  // namespace corvanel
