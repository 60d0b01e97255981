#include "LineCountGuess.h"

#include <algorithm>

namespace corvanel {

namespace {

bool isLineBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

// A line may break after these, the blanks themselves left hanging.
bool breaksAfter(char16_t c) {
    return c == u'-';
}

}  // namespace

LineCountGuess::LineCountGuess(const QFont& font)
    : font_(font), metrics_(font), lineSpacing_(QFontMetrics(font).lineSpacing()) {
    advances_.fill(-1);
}

qreal LineCountGuess::advance(char16_t c) const {
    qreal& known = advances_[c];
    if (known < 0) {
        known = metrics_.horizontalAdvance(QChar(c));
    }
    return known;
}

std::optional<int> LineCountGuess::lines(QStringView text, qreal width) const {
    if (std::any_of(text.begin(), text.end(),
                    [](QChar c) { return c.unicode() >= kKnownCharacters; })) {
        return std::nullopt;
    }
    int lines = 1;
    qreal used = 0;          // the line so far, blanks included
    bool holdsWord = false;  // blanks alone break no line
    qsizetype at = 0;
    while (at < text.size()) {
        const char16_t first = text[at].unicode();
        if (isLineBreak(first)) {
            at += first == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n' ? 2 : 1;
            ++lines;
            used = 0;
            holdsWord = false;
            continue;
        }
        if (first == u' ') {
            used += advance(first);
            ++at;
            continue;
        }
        // One word, up to the next place a line may break.
        qsizetype end = at;
        qreal word = 0;
        while (end < text.size() && text[end] != u' ' && !isLineBreak(text[end].unicode())) {
            word += advance(text[end].unicode());
            if (breaksAfter(text[end++].unicode())) {
                break;
            }
        }
        if (holdsWord && used + word > width) {
            ++lines;
            used = 0;
        }
        if (word <= width - used) {
            used += word;
        } else {
            // Longer than a line: broken wherever the line is full.
            for (qsizetype i = at; i < end; ++i) {
                const qreal step = advance(text[i].unicode());
                if (used > 0 && used + step > width) {
                    ++lines;
                    used = 0;
                }
                used += step;
            }
        }
        holdsWord = used > 0;
        at = end;
    }
    return lines;
}

}  // namespace corvanel
