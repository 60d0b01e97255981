#include "words.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "picture_list.h"

namespace artwork {

namespace {

WordsRecorder* listening = nullptr;

// Where a glyph covers at least half a pixel.
constexpr int kCoveredBelow = 128;

void draw(QPainter& p, const DrawnWords& words) {
    p.setFont(words.font);
    if (words.baseline) {
        p.drawText(*words.baseline, words.text);
    } else {
        p.drawText(words.box, words.flags, words.text);
    }
}

bool isLarge(const QFont& font) {
    const int pixels = font.pixelSize();
    return pixels >= 24 || (font.bold() && pixels * 3 >= 56);
}

WordsContrast measure(const DrawnWords& words, const QImage& beneath) {
    QImage mask(beneath.size(), QImage::Format_RGB32);
    mask.fill(Qt::white);
    {
        QPainter m(&mask);
        m.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
        m.setTransform(words.transform);
        m.setPen(Qt::black);
        draw(m, words);
    }
    WordsContrast result;
    result.text = words.text;
    result.colour = words.colour;
    result.large = isLarge(words.font);
    bool covered = false;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (qGray(mask.pixel(x, y)) >= kCoveredBelow) {
                continue;
            }
            const QColor ground = QColor::fromRgb(beneath.pixel(x, y));
            const double ratio = contrastRatio(words.colour, ground);
            if (!covered || ratio < result.ratio) {
                result.ratio = ratio;
                result.worstBackground = ground;
                covered = true;
            }
        }
    }
    return result;
}

}  // namespace

WordsRecorder::WordsRecorder(bool hideWords) : previous_(listening), hideWords_(hideWords) {
    listening = this;
}

WordsRecorder::~WordsRecorder() {
    listening = previous_;
}

WordsUnheard::WordsUnheard() : previous_(listening) {
    listening = nullptr;
}

WordsUnheard::~WordsUnheard() {
    listening = previous_;
}

bool noteWords(const QPainter& p, DrawnWords words) {
    if (listening == nullptr) {
        return true;
    }
    words.transform = p.transform();
    listening->words_.push_back(std::move(words));
    return !listening->hideWords_;
}

double relativeLuminance(const QColor& colour) {
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.red()) + 0.7152 * channel(colour.green()) +
           0.0722 * channel(colour.blue());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

std::vector<WordsContrast> measureWords(const Picture& picture, Scheme scheme) {
    QImage beneath;
    std::vector<DrawnWords> words;
    {
        WordsRecorder recorder(true);
        beneath = render(picture, scheme);
        words = recorder.words();
    }
    std::vector<WordsContrast> measured;
    measured.reserve(words.size());
    for (const DrawnWords& w : words) {
        measured.push_back(measure(w, beneath));
    }
    return measured;
}

}  // namespace artwork
