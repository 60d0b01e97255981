#pragma once

#include "AdvanceLineLayout.h"
#include "TextLineBreaker.h"

#include <QFont>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

namespace corvanel {

// Breaks a text into display lines as a word-wrapping text box of a given
// width and font shows it: at its line breaks, and between words where a
// line would grow wider than the box (anywhere in a word wider than it).
class DisplayLineBreaker final : public TextLineBreaker {
public:
    // How lines are measured: from the font's advances where they tell the
    // layout engine's answer, or by the layout engine alone.
    enum class Measure : std::uint8_t { Advances, LayoutEngine };

    DisplayLineBreaker(const QFont& font, int width, Measure measure = Measure::Advances);

    const QFont& font() const { return font_; }
    int width() const { return width_; }

    // The first count display lines; those the text does not reach are empty.
    QStringList firstLines(const QString& text, int count) const {
        return firstLinesAndReach(text, count).lines;
    }
    FirstLines firstLinesAndReach(const QString& text, int count) const;
    // The same for each text, in their order. Shaping is the cost: many
    // texts are shared among the processor's cores.
    std::vector<FirstLines> firstLinesOfEach(const std::vector<QString>& texts,
                                             int count) const override;

private:
    qsizetype addParagraphLines(QStringView paragraph, int count, QStringList& lines) const;
    QStringList layOut(QStringView text, int count) const;

    QFont font_;
    int width_;
    // Shared by copies: it only learns.
    std::shared_ptr<const AdvanceLineLayout> advances_;
};

}  // namespace corvanel
