// Pieces the painters share: reading their words, the sections, and drawing
// a window's background behind a picture that lies over it.
#pragma once

#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include "painters.h"
#include "symbols.h"

namespace artwork {

// Word `index` of a painter's words; throws std::invalid_argument when missing.
QString word(const QStringList& args, int index);

// "normal", "hover" or "selected"; anything else throws.
enum class State { Normal, Hover, Selected };
State stateWord(const QStringList& args, int index);

struct Section {
    QString key;    // as written in the picture list: "inicio", "textos", ...
    QString label;  // the name the window shows: "Início", "Textos", ...
    symbol::Symbol symbol;
};
const Section& sectionNamed(const QString& key);

// Paints `background` as a picture of `fullSize`, shifted so that the point
// `origin` of it lands at this picture's top left. Captions drawn on top of a
// banner use it to match the banner beneath them pixel for pixel.
void paintBackground(QPainter& p, Painter background, const QSize& fullSize, QPoint origin);

}  // namespace artwork
