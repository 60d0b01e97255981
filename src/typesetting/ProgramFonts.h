#pragma once

#include <QFont>

namespace corvanel::ProgramFonts {

// The windows' sans-serif face at a pixel size: the Windows font where it
// exists, else Arial's metric twin, so texts keep the widths they were laid
// out for.
QFont sansSerif(int pixelSize);

}  // namespace corvanel::ProgramFonts
