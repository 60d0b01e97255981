#pragma once

#include <QStringView>

#include <array>

namespace corvanel {

// The six sections of the collection, in the order the program shows them.
enum class Section { Textos, Legislacao, Julgados, Experiencias, Modelos, Ciclos };

// What the program knows about one section; every place that deals with
// sections reads it from the table below. The main window's layout adds where
// each section's page, tree and fields lie.
struct SectionFacts {
    Section section;
    // The tab caption, and the scope name the result list shows.
    QStringView name;
    // The letter of its requests and of its category codes ("A05", "F06").
    QStringView letter;
    // The card letter its total counts and its searches filter by. Ciclos de
    // Vida has none of its own in the cards: it takes the letter of Textos.
    QStringView cardLetter;
    // A further card letter listed under this section (Julgados' "H" cards).
    QStringView otherCardLetter;
    // The line before each document of this section in a labelled listing;
    // empty when the section's cards are listed under another section's.
    QStringView labelLine;
    // Whether its cards of cardLetter are listed with the first lines of their
    // text instead of a sub-title (court decisions).
    bool listsTextStart = false;
};

inline constexpr std::array<SectionFacts, 6> kSections{{
    {Section::Textos, u"Textos", u"A", u"A", {}, u"Textos:", false},
    {Section::Legislacao, u"Legislação", u"B", u"B", {}, u"Legislação:", false},
    {Section::Julgados, u"Julgados", u"C", u"C", u"H", u"Julgados:", true},
    {Section::Experiencias, u"Experiências", u"D", u"D", {}, u"Experiências:", false},
    {Section::Modelos, u"Modelos", u"E", u"E", {}, u"Modelos:", false},
    {Section::Ciclos, u"Ciclos de Vida", u"F", u"A", {}, {}, false},
}};

inline constexpr std::size_t kSectionCount = kSections.size();

const SectionFacts& sectionFacts(Section section);

// The section of a request or category letter ("A" to "F", and Julgados'
// "H"); null for any other text.
const SectionFacts* sectionOfLetter(QStringView letter);

// The section a card of this letter is listed under; null when none is.
const SectionFacts* sectionOfCard(QStringView cardLetter);

// The section whose scope name this is; null for any other text.
const SectionFacts* sectionNamed(QStringView name);

// Whether a line of a result list is one of the sections' label lines; only
// the exact texts, so a title that begins like one is not taken for it.
bool isSectionLabel(QStringView line);

}  // namespace corvanel
