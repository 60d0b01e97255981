#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStringView>

#include <array>
#include <optional>

namespace corvanel {

// How many lines a text takes when wrapped at a width, worked out from each
// character's own advance, without shaping: the lines break at blanks and
// after hyphens, and a word longer than a line breaks where it must. A
// long list lays out at once with these; rows drawn are measured exactly.
class LineCountGuess {
public:
    explicit LineCountGuess(const QFont& font);

    const QFont& font() const { return font_; }
    // A line's height, as the layout engine spaces lines.
    int lineSpacing() const { return lineSpacing_; }

    // Nothing when the text uses a character past the Latin letters, whose
    // advance may depend on its neighbours.
    std::optional<int> lines(QStringView text, qreal width) const;

private:
    qreal advance(char16_t c) const;

    QFont font_;
    QFontMetricsF metrics_;
    int lineSpacing_;
    // Latin-1 and Latin Extended-A and -B; below 0 until first asked.
    static constexpr char16_t kKnownCharacters = 0x250;
    mutable std::array<qreal, kKnownCharacters> advances_;
};

}  // namespace corvanel
