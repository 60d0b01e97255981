#pragma once

#include <QStringView>

#include <algorithm>
#include <array>
#include <utility>

// The label lines a labelled listing puts before each document's block, by
// section letter. The filler writes them and the list draws them in green:
// both read this one table, so they cannot drift apart.
namespace corvanel::SectionLabels {

// Sections listed as title and sub-title.
inline constexpr std::array<std::pair<QStringView, QStringView>, 5> kStandardSections{{
    {u"A", u"Textos:"},
    {u"B", u"Legislação:"},
    {u"D", u"Experiências:"},
    {u"E", u"Modelos:"},
    {u"H", u"Julgados:"},
}};

// Court decisions, listed with the first lines of their text.
inline constexpr QStringView kDecisionSection = u"C";
inline constexpr QStringView kDecisionLabel = u"Julgados:";

// Whether a list line is one of the labels; only the exact texts, so a title
// that begins like one is not taken for it.
inline bool isLabel(QStringView line) {
    return line == kDecisionLabel ||
           std::any_of(kStandardSections.begin(), kStandardSections.end(),
                       [line](const auto& section) { return line == section.second; });
}

}  // namespace corvanel::SectionLabels
