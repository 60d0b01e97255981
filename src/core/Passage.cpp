#include "Passage.h"

#include "TextMatching.h"
#include "WordMatching.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace corvanel {

namespace {

// Texts are folded a chunk at a time and mapped back to their characters
// only inside the chunk that holds a match: a text of hundreds of kilobytes
// costs one pass, not one call a character.
constexpr qsizetype kChunkCharacters = 2048;

qsizetype characterLength(const QString& text, qsizetype at) {
    return text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate()
               ? 2
               : 1;
}

// Where the character at at ends, with the accents written after it.
qsizetype endOfCharacter(const QString& text, qsizetype at) {
    qsizetype end = at + characterLength(text, at);
    while (end < text.size() && text.at(end).isMark()) {
        ++end;
    }
    return end;
}

// Not inside a character or between a letter and its accent.
bool isCharacterStart(const QString& text, qsizetype at) {
    if (at <= 0 || at >= text.size()) {
        return true;
    }
    return !text.at(at).isLowSurrogate() && !text.at(at).isMark();
}

// A text folded as searches fold it, with the way back from a folded byte
// to the character it came from.
class FoldedText {
public:
    explicit FoldedText(const QString& text) : text_(text) {
        qsizetype at = 0;
        while (at < text.size()) {
            qsizetype end = std::min(text.size(), at + kChunkCharacters);
            while (end < text.size() && !isCharacterStart(text, end)) {
                ++end;
            }
            chunks_.push_back({folded_.size(), at});
            append(QStringView(text).mid(at, end - at));
            at = end;
        }
        steps_.resize(chunks_.size());
    }

    const std::string& folded() const { return folded_; }

    // The character that gave the folded byte.
    qsizetype characterOf(std::size_t byte) const {
        const auto chunk =
            std::upper_bound(chunks_.begin(), chunks_.end(), byte,
                             [](std::size_t b, const Chunk& c) { return b < c.folded; });
        const auto index = static_cast<std::size_t>(chunk - chunks_.begin()) - 1;
        const std::vector<Step>& steps = stepsOf(index);
        const auto step =
            std::upper_bound(steps.begin(), steps.end(), byte,
                             [](std::size_t b, const Step& s) { return b < s.foldedEnd; });
        if (step != steps.end()) {
            return step->character;
        }
        return index + 1 < chunks_.size() ? chunks_[index + 1].character : text_.size();
    }

private:
    struct Chunk {
        std::size_t folded;
        qsizetype character;
    };
    // A character of a chunk and where its folded bytes end.
    struct Step {
        std::size_t foldedEnd;
        qsizetype character;
    };

    // The chunk's characters with the folded bytes each gave, worked out
    // once, when a match first falls in the chunk: a passage asks for the
    // same few chunks once for every mark.
    const std::vector<Step>& stepsOf(std::size_t index) const {
        std::vector<Step>& steps = steps_[index];
        if (!steps.empty() || chunks_[index].folded >= folded_.size()) {
            return steps;
        }
        const qsizetype first = chunks_[index].character;
        const qsizetype last =
            index + 1 < chunks_.size() ? chunks_[index + 1].character : text_.size();
        const QByteArray utf8 = QStringView(text_).mid(first, last - first).toUtf8();
        const std::string_view bytes(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        std::size_t folded = chunks_[index].folded;
        bool afterBlank = folded > 0 && folded_[folded - 1] == ' ';
        std::string one;
        qsizetype character = first;
        for (std::size_t at = 0; at < bytes.size();) {
            char32_t cp = 0;
            const std::size_t length = std::max(decodeUtf8(bytes, at, cp), 1);
            one.clear();
            appendSearchFolded(bytes.substr(at, length), one);
            const bool collapsed = one == " " && afterBlank;
            if (!collapsed && !one.empty()) {
                folded += one.size();
                afterBlank = one.back() == ' ';
                steps.push_back({folded, character});
            }
            character += cp >= 0x10000 ? 2 : 1;
            at += length;
        }
        return steps;
    }

    void append(QStringView chunk) {
        const bool afterBlank = !folded_.empty() && folded_.back() == ' ';
        const std::size_t start = folded_.size();
        appendSearchFolded(chunk.toUtf8().toStdString(), folded_);
        // A run of blanks across two chunks is one blank, as in one piece.
        if (afterBlank && folded_.size() > start && folded_[start] == ' ') {
            folded_.erase(start, 1);
        }
    }

    const QString& text_;
    std::string folded_;
    std::vector<Chunk> chunks_;
    mutable std::vector<std::vector<Step>> steps_;
};

std::vector<std::string> foldedWords(const QStringList& words) {
    std::vector<std::string> folded;
    for (const QString& w : words) {
        std::string one = searchFolded(w.toUtf8().toStdString());
        if (!one.empty()) {
            folded.push_back(std::move(one));
        }
    }
    return folded;
}

bool holds(const QString& field, const std::vector<std::string>& words, WordMatching matching) {
    const std::string folded = searchFolded(field.toUtf8().toStdString());
    return std::any_of(words.begin(), words.end(), [&](const std::string& w) {
        return word_matching::contains(folded, w, matching);
    });
}

struct Match {
    std::size_t at = 0;
    std::size_t length = 0;
};

std::optional<Match> firstMatch(const std::string& folded, const std::vector<std::string>& words,
                                WordMatching matching, std::size_t from = 0) {
    std::optional<Match> first;
    for (const std::string& w : words) {
        const std::size_t at = word_matching::find(folded, w, matching, from);
        if (at != std::string::npos && (!first || at < first->at)) {
            first = Match{at, w.size()};
        }
    }
    return first;
}

// Moves a cut to the nearest blank towards the match, so no word is split;
// a single word longer than the passage is cut between characters.
qsizetype cutBefore(const QString& text, qsizetype start, qsizetype matchStart) {
    for (qsizetype at = start; at < matchStart; ++at) {
        if (text.at(at).isSpace()) {
            return at + 1;
        }
    }
    while (start > 0 && !isCharacterStart(text, start)) {
        --start;
    }
    return start;
}

qsizetype cutAfter(const QString& text, qsizetype end, qsizetype matchEnd) {
    for (qsizetype at = end; at > matchEnd; --at) {
        if (text.at(at - 1).isSpace()) {
            return at - 1;
        }
    }
    while (end < text.size() && !isCharacterStart(text, end)) {
        ++end;
    }
    return end;
}

}  // namespace

QString Passage::shown() const {
    switch (place) {
        case Place::Text:
            return (cutBefore ? QStringLiteral("… ") : QString()) + text +
                   (cutAfter ? QStringLiteral(" …") : QString());
        case Place::Title:
            return QStringLiteral("no título");
        case Place::KeyWords:
            return QStringLiteral("nas palavras-chave");
        case Place::Subtitle:
            return QStringLiteral("no subtítulo");
        case Place::Nowhere:
            break;
    }
    return {};
}

Passage passageOf(const TextRowFields& row, const QStringList& words, qsizetype length) {
    return passageOf(row, words, WordMatching::Anywhere, length);
}

Passage passageOf(const TextRowFields& row, const QStringList& words, WordMatching matching,
                  qsizetype length) {
    const std::vector<std::string> folded = foldedWords(words);
    Passage passage;
    if (folded.empty()) {
        return passage;
    }
    const FoldedText text(row.text);
    const std::optional<Match> match = firstMatch(text.folded(), folded, matching);
    if (!match) {
        if (holds(row.title, folded, matching)) {
            passage.place = Passage::Place::Title;
        } else if (holds(row.keyWords, folded, matching)) {
            passage.place = Passage::Place::KeyWords;
        } else if (holds(row.subtitle, folded, matching)) {
            passage.place = Passage::Place::Subtitle;
        }
        return passage;
    }
    const QString& source = row.text;
    const qsizetype matchStart = text.characterOf(match->at);
    const qsizetype lastCharacter = text.characterOf(match->at + match->length - 1);
    const qsizetype matchEnd = endOfCharacter(source, lastCharacter);

    // A third of the room before the match, the rest after it.
    const qsizetype room = std::max<qsizetype>(length - (matchEnd - matchStart), 0);
    qsizetype start = std::max<qsizetype>(0, matchStart - room / 3);
    qsizetype end = std::min(source.size(), std::max(matchEnd, start + length));
    start = std::max<qsizetype>(0, std::min(start, end - length));
    if (start > 0) {
        start = cutBefore(source, start, matchStart);
    }
    if (end < source.size()) {
        end = cutAfter(source, end, matchEnd);
    }

    // The passage on one line: every run of blanks and line breaks one blank.
    std::vector<qsizetype> placeOf(static_cast<std::size_t>(end - start + 1), 0);
    QString shown;
    for (qsizetype at = start; at < end; ++at) {
        placeOf[static_cast<std::size_t>(at - start)] = shown.size();
        const QChar c = source.at(at);
        if (c.isSpace()) {
            if (!shown.isEmpty() && !shown.back().isSpace()) {
                shown += u' ';
            }
        } else {
            shown += c;
        }
    }
    placeOf.back() = shown.size();
    while (!shown.isEmpty() && shown.back().isSpace()) {
        shown.chop(1);
    }

    // Every match that begins and ends inside the passage, from a little
    // before its start (a folded character is at most a few bytes).
    const std::size_t from = match->at > static_cast<std::size_t>(4 * length)
                                 ? match->at - static_cast<std::size_t>(4 * length)
                                 : 0;
    qsizetype markedUpTo = 0;
    for (std::optional<Match> m = firstMatch(text.folded(), folded, matching, from); m;
         m = firstMatch(text.folded(), folded, matching, m->at + 1)) {
        const qsizetype first = text.characterOf(m->at);
        if (first >= end) {
            break;
        }
        const qsizetype last = text.characterOf(m->at + m->length - 1);
        const qsizetype stop = endOfCharacter(source, last);
        if (first < start || stop > end) {
            continue;
        }
        const qsizetype markStart =
            std::max(placeOf[static_cast<std::size_t>(first - start)], markedUpTo);
        const qsizetype markEnd =
            std::min(placeOf[static_cast<std::size_t>(stop - start)], shown.size());
        if (markEnd > markStart) {
            passage.marks.append({markStart, markEnd - markStart});
            markedUpTo = markEnd;
        }
    }
    passage.place = Passage::Place::Text;
    passage.text = shown;
    passage.cutBefore = start > 0;
    passage.cutAfter = end < source.size();
    return passage;
}

}  // namespace corvanel
