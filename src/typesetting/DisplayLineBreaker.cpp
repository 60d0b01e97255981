#include "DisplayLineBreaker.h"

#include <QTextLayout>

#include <algorithm>
#include <future>
#include <thread>

namespace corvanel {

namespace {

// Enough text for about this many characters a line; more is laid out only
// when a paragraph's lines turn out longer.
constexpr qsizetype kCharactersPerLine = 120;
// Fewer texts than this a core are broken on the calling thread alone.
constexpr std::size_t kTextsPerThread = 256;

// The end of the paragraph starting at start, and where the next one starts.
std::pair<qsizetype, qsizetype> paragraphAt(const QString& text, qsizetype start) {
    for (qsizetype i = start; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            return {i, i + 1};
        }
        if (text[i] == u'\r') {
            const bool crlf = i + 1 < text.size() && text[i + 1] == u'\n';
            return {i, i + (crlf ? 2 : 1)};
        }
    }
    return {text.size(), text.size() + 1};
}

// The start of text up to a word's end at or after length.
QStringView cutAfterWord(QStringView text, qsizetype length) {
    while (length < text.size() && !text[length].isSpace()) {
        ++length;
    }
    return text.first(std::min(length, text.size()));
}

}  // namespace

DisplayLineBreaker::DisplayLineBreaker(const QFont& font, int width, Measure measure)
    : font_(font),
      width_(width),
      advances_(measure == Measure::Advances ? std::make_shared<AdvanceLineLayout>(font, width)
                                             : nullptr) {}

TextLineBreaker::FirstLines DisplayLineBreaker::firstLinesAndReach(const QString& text,
                                                                   int count) const {
    FirstLines first;
    QStringList& lines = first.lines;
    qsizetype start = 0;
    while (lines.size() < count && start <= text.size()) {
        const auto [end, next] = paragraphAt(text, start);
        first.reach = start + addParagraphLines(QStringView(text).sliced(start, end - start),
                                                count - static_cast<int>(lines.size()), lines);
        start = next;
    }
    if (lines.size() < count) {
        first.reach = text.size() + 1;
    }
    while (lines.size() < count) {
        lines << QString();
    }
    return first;
}

std::vector<TextLineBreaker::FirstLines> DisplayLineBreaker::firstLinesOfEach(
    const std::vector<QString>& texts, int count) const {
    std::vector<FirstLines> lines(texts.size());
    if (advances_) {
        // About as far as the first attempt at each text's lines reaches.
        advances_->learnPairs(texts, kCharactersPerLine * (count + 2));
    }
    const auto breakRange = [&](std::size_t first, std::size_t end) {
        for (std::size_t i = first; i < end; ++i) {
            lines[i] = firstLinesAndReach(texts[i], count);
        }
    };
    const std::size_t threads = std::clamp<std::size_t>(
        texts.size() / kTextsPerThread, 1, std::max(1U, std::thread::hardware_concurrency()));
    const std::size_t share = (texts.size() + threads - 1) / threads;
    std::vector<std::future<void>> others;
    for (std::size_t first = share; first < texts.size(); first += share) {
        others.push_back(std::async(std::launch::async, breakRange, first,
                                    std::min(first + share, texts.size())));
    }
    breakRange(0, std::min(share, texts.size()));
    for (std::future<void>& other : others) {
        other.get();
    }
    return lines;
}

// Lays out no more of a long paragraph than its first lines need: the
// wanted lines are settled once one more line has started after them.
// Returns how much of the paragraph they depend on: the part laid out and
// what ended it (the blank after it, or the paragraph's end).
qsizetype DisplayLineBreaker::addParagraphLines(QStringView paragraph, int count,
                                                QStringList& lines) const {
    qsizetype length = kCharactersPerLine * (count + 1);
    for (;;) {
        const QStringView part = cutAfterWord(paragraph, length);
        const QStringList laidOut = layOut(part, count + 1);
        if (laidOut.size() > count || part.size() == paragraph.size()) {
            lines << laidOut.mid(0, count);
            return part.size() + 1;
        }
        length *= 2;
    }
}

QStringList DisplayLineBreaker::layOut(QStringView text, int count) const {
    if (text.isEmpty()) {
        return {QString()};
    }
    if (advances_) {
        if (std::optional<QStringList> lines = advances_->layOut(text, count)) {
            return *std::move(lines);
        }
    }
    const QString content = text.toString();
    QTextLayout layout(content, font_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList lines;
    while (lines.size() < count) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) {
            break;
        }
        line.setLineWidth(width_);
        QStringView shown = QStringView(content).sliced(line.textStart(), line.textLength());
        while (!shown.isEmpty() && shown.back().isSpace()) {
            shown.chop(1);
        }
        lines << shown.toString();
    }
    layout.endLayout();
    return lines;
}

}  // namespace corvanel
