// The list of pictures (pictures.txt): one line per file the program loads,
// giving its size and the painter that draws it.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

#include "painters.h"
#include "style.h"

namespace artwork {

struct Picture {
    QString file;  // "splash-banner.jpg"; its suffix picks the format
    QSize size;    // the size the window's layout gives the picture
    QString painterName;
    QStringList words;  // the painter's own arguments
    Painter painter = nullptr;
    int line = 0;  // in the list, for messages
};

// Reads and checks the list; throws std::runtime_error naming the line at fault.
std::vector<Picture> readPictureList(const QString& path);
std::vector<Picture> parsePictureList(const QString& text);

// Draws one picture at its size, in the design's colours or the other set's.
// Throws when the painter rejects its words.
QImage render(const Picture& picture, Scheme scheme = Scheme::Design);

// The high-contrast set lies in this folder beside the design's pictures:
// ":/artwork/contrast/<file>".
inline constexpr char kContrastFolder[] = "contrast";

// Writes the image into `folder` under the picture's file name, in the format
// of its suffix. Throws std::runtime_error when it cannot.
void save(const Picture& picture, const QImage& image, const QString& folder);

}  // namespace artwork
