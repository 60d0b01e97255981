// The words drawn into the pictures, and how well they stand out from what
// lies beneath them (WCAG 2.1 contrast).
#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QTransform>
#include <optional>
#include <vector>

#include "style.h"

class QPainter;

namespace artwork {

struct Picture;

struct DrawnWords {
    QString text;
    QColor colour;
    QFont font;
    QRectF box;  // with flags, unless drawn at a baseline
    int flags = 0;
    std::optional<QPointF> baseline;
    QTransform transform;
};

// While it lives, drawText() tells it every word it is asked to draw; when
// it hides words, they are noted but not drawn, leaving what lies beneath.
class WordsRecorder {
public:
    explicit WordsRecorder(bool hideWords);
    ~WordsRecorder();
    WordsRecorder(const WordsRecorder&) = delete;
    WordsRecorder& operator=(const WordsRecorder&) = delete;

    const std::vector<DrawnWords>& words() const { return words_; }

private:
    friend bool noteWords(const QPainter& p, DrawnWords words);
    friend class WordsUnheard;
    WordsRecorder* previous_;
    std::vector<DrawnWords> words_;
    bool hideWords_;
};

// Drawing done while it lives belongs to another picture (a banner drawn
// beneath a caption): it is neither noted nor hidden.
class WordsUnheard {
public:
    WordsUnheard();
    ~WordsUnheard();
    WordsUnheard(const WordsUnheard&) = delete;
    WordsUnheard& operator=(const WordsUnheard&) = delete;

private:
    WordsRecorder* previous_;
};

// For drawText(): notes the words; false when they are not to be drawn.
bool noteWords(const QPainter& p, DrawnWords words);

// WCAG 2.1 relative luminance and contrast ratio, 1 to 21.
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& a, const QColor& b);

struct WordsContrast {
    QString text;
    QColor colour;
    QColor worstBackground;  // where the ratio is lowest
    double ratio = 0;        // lowest over every pixel the words cover; 0 if none
    bool large = false;      // 24 pixels and up, or bold from 18.67 (14 pt)
    double required() const { return large ? 3.0 : 4.5; }
};

// Every word of the picture in the given set, measured against the
// picture drawn without its words.
std::vector<WordsContrast> measureWords(const Picture& picture, Scheme scheme);

}  // namespace artwork
