#pragma once

#include <QIcon>

namespace corvanel {

// The program's icon, drawn from packaging/icons/corvanel.svg at every size
// the desktop's icon theme gets, so that windows and menus show the same one.
QIcon programIcon();

}  // namespace corvanel
