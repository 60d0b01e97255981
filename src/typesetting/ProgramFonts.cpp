#include "ProgramFonts.h"

#include <QStringList>

namespace corvanel::ProgramFonts {

QFont sansSerif(int pixelSize) {
    QFont font;
    // fontconfig's own choice for "MS Sans Serif" is a much wider face.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

}  // namespace corvanel::ProgramFonts
