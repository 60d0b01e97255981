#include "AdvanceLineLayout.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <utility>

namespace corvanel {

namespace {

using Fixed = std::int32_t;

// A pair the layout engine did not shape as two glyphs side by side.
constexpr Fixed kUnmeasurable = std::numeric_limits<Fixed>::min() + 1;
// Longer paragraphs are left to the layout engine, which may shape a very
// long text in pieces.
constexpr qsizetype kLongestParagraph = 3000;

// As the layout engine turns pixels into its fixed point: cut, not rounded.
Fixed fixed(qreal pixels) {
    return static_cast<Fixed>(pixels * 64);
}

bool isBlank(QChar c) {
    return c == u' ';
}

// A word of letters, opened by brackets and closed by brackets and
// punctuation, breaks nowhere inside.
bool breaksNowhere(QStringView word) {
    const auto opening = [](QChar c) { return c == u'(' || c == u'[' || c == u'{'; };
    const auto plain = [](QChar c) { return c.isLetter(); };
    const auto closing = [](QChar c) { return QStringView(u".,;:!?)]}").contains(c); };
    const auto* at = std::find_if_not(word.begin(), word.end(), opening);
    const auto* const letters = at;
    at = std::find_if_not(at, word.end(), plain);
    return at != letters && std::all_of(at, word.end(), closing);
}

// Where the engine may break a line in text, marked before the character.
void markBreaks(QStringView text, qsizetype offset, std::vector<bool>& breaksBefore) {
    // The engine's character attributes, a byte each, for most words.
    std::array<unsigned char, 256> attributes{};
    const bool fits = std::cmp_less(text.size(), attributes.size());
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text.data(), text.size(),
                               fits ? attributes.data() : nullptr,
                               fits ? static_cast<qsizetype>(attributes.size()) : 0);
    for (qsizetype at = finder.toNextBoundary(); at > 0 && at < text.size();
         at = finder.toNextBoundary()) {
        breaksBefore[static_cast<std::size_t>(offset + at)] = true;
    }
}

// Marks where the engine may break a line inside the paragraph's words.
// The engine reads a number across blanks (a figure after it may join a
// break inside it); without figures, a word breaks where it would alone.
void markBreaksInsideWords(QStringView paragraph, std::vector<bool>& breaksBefore) {
    if (std::any_of(paragraph.begin(), paragraph.end(),
                    [](QChar c) { return c >= u'0' && c <= u'9'; })) {
        markBreaks(paragraph, 0, breaksBefore);
        return;
    }
    qsizetype at = 0;
    while (at < paragraph.size()) {
        if (isBlank(paragraph[at])) {
            ++at;
            continue;
        }
        qsizetype end = at;
        while (end < paragraph.size() && !isBlank(paragraph[end])) {
            ++end;
        }
        const QStringView word = paragraph.sliced(at, end - at);
        if (!breaksNowhere(word)) {
            markBreaks(word, at, breaksBefore);
        }
        at = end;
    }
}

}  // namespace

AdvanceLineLayout::AdvanceLineLayout(const QFont& font, int width)
    : font_(font),
      width_(fixed(width)),
      pairs_(std::make_unique<std::atomic<Fixed>[]>(std::size_t{kKnownCharacters} *
                                                    kKnownCharacters)) {
    for (std::size_t i = 0; i < std::size_t{kKnownCharacters} * kKnownCharacters; ++i) {
        pairs_[i].store(kUnknown, std::memory_order_relaxed);
    }
    const QFontMetricsF metrics(font_);
    const QRawFont primary = QRawFont::fromFont(font_);
    widestOverhang_ = std::max(0, -fixed(metrics.minRightBearing()));
    for (char16_t c = u' '; c < kKnownCharacters; ++c) {
        const QChar character(c);
        // No-break and soft hyphen blanks break lines by rules of their own.
        if (!character.isPrint() || c == 0xA0 || c == 0xAD ||
            !primary.supportsCharacter(character)) {
            continue;
        }
        Character& known = characters_[c];
        known.advance = fixed(metrics.horizontalAdvance(character));
        known.overhang = std::max(0, -fixed(metrics.rightBearing(character)));
        // The layout engine looks for overhangs only within the widest one.
        known.known = known.overhang <= widestOverhang_;
    }
}

AdvanceLineLayout::~AdvanceLineLayout() = default;

bool AdvanceLineLayout::isKnown(QChar c) const {
    return c.unicode() < kKnownCharacters && characters_[c.unicode()].known;
}

std::atomic<Fixed>& AdvanceLineLayout::pair(char16_t c, char16_t next) const {
    return pairs_[(std::size_t{c} * kKnownCharacters) + next];
}

AdvanceLineLayout::Fixed AdvanceLineLayout::advanceBefore(char16_t c, char16_t next) const {
    const Fixed known = pair(c, next).load(std::memory_order_acquire);
    if (known != kUnknown) {
        return known;
    }
    measurePairs({{c, next}});
    return pair(c, next).load(std::memory_order_acquire);
}

void AdvanceLineLayout::measurePairs(
    const std::vector<std::pair<char16_t, char16_t>>& pairs) const {
    const std::scoped_lock lock(measuring_);
    std::vector<std::pair<char16_t, char16_t>> unknown;
    for (const auto& [c, next] : pairs) {
        if (pair(c, next).load(std::memory_order_relaxed) == kUnknown) {
            unknown.emplace_back(c, next);
        }
    }
    if (unknown.empty() || measureSideBySide(unknown)) {
        return;
    }
    // A pair that does not shape as two glyphs spoils the layout of them
    // all: each alone, and those that still do not are left to the engine.
    for (const auto& one : unknown) {
        if (!measureSideBySide({one})) {
            pair(one.first, one.second).store(kUnmeasurable, std::memory_order_release);
        }
    }
}

// One layout of every pair side by side: a character's advance there is its
// advance before the next one, whatever came before it.
bool AdvanceLineLayout::measureSideBySide(
    const std::vector<std::pair<char16_t, char16_t>>& pairs) const {
    QString text;
    text.reserve(static_cast<qsizetype>(pairs.size()) * 2);
    for (const auto& [c, next] : pairs) {
        text += QChar(c);
        text += QChar(next);
    }
    QTextLayout layout(text, font_);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() != 1 || runs.front().glyphIndexes().size() != text.size()) {
        return false;
    }
    const QList<QPointF> positions = runs.front().positions();
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        const qsizetype first = static_cast<qsizetype>(i) * 2;
        pair(pairs[i].first, pairs[i].second)
            .store(fixed(positions[first + 1].x() - positions[first].x()),
                   std::memory_order_release);
    }
    return true;
}

void AdvanceLineLayout::learnPairs(std::span<const QString> texts, qsizetype reach) const {
    std::vector<bool> seen(std::size_t{kKnownCharacters} * kKnownCharacters);
    std::vector<std::pair<char16_t, char16_t>> wanted;
    for (const QString& text : texts) {
        const qsizetype end = std::min(text.size(), reach);
        for (qsizetype i = 0; i + 1 < end; ++i) {
            const QChar c = text[i];
            const QChar next = text[i + 1];
            if (!isKnown(c) || !isKnown(next)) {
                continue;
            }
            const std::size_t index =
                (std::size_t{c.unicode()} * kKnownCharacters) + next.unicode();
            if (!seen[index] &&
                pair(c.unicode(), next.unicode()).load(std::memory_order_relaxed) == kUnknown) {
                seen[index] = true;
                wanted.emplace_back(c.unicode(), next.unicode());
            }
        }
    }
    if (!wanted.empty()) {
        measurePairs(wanted);
    }
}

// The layout engine's own rule: blanks hang at a line's end; a word goes on
// the line when the line with it, and the ink of its last glyph when that
// might matter, is no wider than the box.
std::optional<QStringList> AdvanceLineLayout::layOut(QStringView paragraph, int count) const {
    const qsizetype size = paragraph.size();
    if (size == 0 || size > kLongestParagraph ||
        !std::all_of(paragraph.begin(), paragraph.end(), [this](QChar c) { return isKnown(c); })) {
        return std::nullopt;
    }
    std::vector<Fixed> advances(static_cast<std::size_t>(size));
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = paragraph[i].unicode();
        const Fixed advance =
            i + 1 < size ? advanceBefore(c, paragraph[i + 1].unicode()) : characters_[c].advance;
        if (advance == kUnmeasurable) {
            return std::nullopt;
        }
        advances[static_cast<std::size_t>(i)] = advance;
    }
    std::vector<bool> breaksBefore(static_cast<std::size_t>(size) + 1);
    markBreaksInsideWords(paragraph, breaksBefore);

    QStringList lines;
    qsizetype at = 0;
    while (lines.size() < count && at < size) {
        const qsizetype start = at;
        qsizetype end = size;
        Fixed placed = 0;  // the line's words and the blanks between them
        Fixed blanks = 0;  // blanks after them, placed with the next word
        bool holdsWord = false;
        while (at < size) {
            if (isBlank(paragraph[at])) {
                while (at < size && isBlank(paragraph[at])) {
                    blanks += advances[static_cast<std::size_t>(at++)];
                }
                if (blanks > width_) {
                    return std::nullopt;
                }
                continue;
            }
            const qsizetype wordStart = at;
            Fixed word = 0;
            do {
                word += advances[static_cast<std::size_t>(at++)];
            } while (at < size && !isBlank(paragraph[at]) &&
                     !breaksBefore[static_cast<std::size_t>(at)]);
            Fixed wanted = placed + blanks + word;
            if (!holdsWord && wanted + widestOverhang_ > width_) {
                // Maybe wider than the box: broken anywhere, by the engine.
                return std::nullopt;
            }
            if (wanted + widestOverhang_ > width_) {
                wanted += characters_[paragraph[at - 1].unicode()].overhang;
            }
            if (holdsWord && wanted > width_) {
                at = wordStart;
                end = wordStart;
                break;
            }
            placed += blanks + word;
            blanks = 0;
            holdsWord = true;
        }
        QStringView shown = paragraph.sliced(start, end - start);
        while (!shown.isEmpty() && shown.back().isSpace()) {
            shown.chop(1);
        }
        lines << shown.toString();
    }
    return lines;
}

}  // namespace corvanel
