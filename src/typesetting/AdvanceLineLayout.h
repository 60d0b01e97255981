#pragma once

#include <QFont>
#include <QStringList>
#include <QStringView>

#include <array>
#include <atomic>
#include <cstdint>
#include <limits>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace corvanel {

// Lays a paragraph out into lines as QTextLayout does for a word-wrapping
// box, from glyph advances the layout engine measured once, without shaping
// each text again. Text of the program's own language in one font shapes
// glyph by glyph plus a kerning adjustment between neighbours, so a
// character's advance is known from it and the next one; the pairs met are
// measured by the layout engine itself. Whatever might shape otherwise (a
// character past Latin Extended-B, one the font lacks, blanks that do not
// break, a word wider than the line) is left to the layout engine: the
// answer is then nothing.
//
// Safe to use from several threads at once.
class AdvanceLineLayout {
public:
    AdvanceLineLayout(const QFont& font, int width);
    ~AdvanceLineLayout();
    AdvanceLineLayout(const AdvanceLineLayout&) = delete;
    AdvanceLineLayout& operator=(const AdvanceLineLayout&) = delete;

    // The first count lines of a paragraph (no line breaks in it), trailing
    // blanks cut; nothing when only the layout engine can tell.
    std::optional<QStringList> layOut(QStringView paragraph, int count) const;

    // Measures at once the pairs of neighbours in the first reach characters
    // of each text: one layout instead of one per pair.
    void learnPairs(std::span<const QString> texts, qsizetype reach) const;

private:
    // Advances and bearings in the layout engine's fixed point (1/64 px).
    using Fixed = std::int32_t;
    static constexpr char16_t kKnownCharacters = 0x180;
    static constexpr Fixed kUnknown = std::numeric_limits<Fixed>::min();

    struct Character {
        Fixed advance = 0;   // alone, at the end of a text
        Fixed overhang = 0;  // ink past the advance (a negative right bearing)
        bool known = false;
    };

    bool isKnown(QChar c) const;
    Fixed advanceBefore(char16_t c, char16_t next) const;
    std::atomic<Fixed>& pair(char16_t c, char16_t next) const;
    void measurePairs(const std::vector<std::pair<char16_t, char16_t>>& pairs) const;
    bool measureSideBySide(const std::vector<std::pair<char16_t, char16_t>>& pairs) const;

    QFont font_;
    Fixed width_;
    Fixed widestOverhang_ = 0;
    std::array<Character, kKnownCharacters> characters_{};
    std::unique_ptr<std::atomic<Fixed>[]> pairs_;
    mutable std::mutex measuring_;
};

}  // namespace corvanel
