#include "Sections.h"

#include <algorithm>

namespace corvanel {

namespace {

template <typename Predicate>
const SectionFacts* firstWhere(Predicate predicate) {
    const auto found = std::find_if(kSections.begin(), kSections.end(), predicate);
    return found == kSections.end() ? nullptr : &*found;
}

}  // namespace

const SectionFacts& sectionFacts(Section section) {
    return *firstWhere([section](const SectionFacts& facts) { return facts.section == section; });
}

const SectionFacts* sectionOfLetter(QStringView letter) {
    return firstWhere([letter](const SectionFacts& facts) {
        return !letter.isEmpty() && (facts.letter == letter || facts.otherCardLetter == letter);
    });
}

const SectionFacts* sectionOfCard(QStringView cardLetter) {
    return firstWhere([cardLetter](const SectionFacts& facts) {
        return !cardLetter.isEmpty() && !facts.labelLine.isEmpty() &&
               (facts.cardLetter == cardLetter || facts.otherCardLetter == cardLetter);
    });
}

const SectionFacts* sectionNamed(QStringView name) {
    return firstWhere([name](const SectionFacts& facts) { return facts.name == name; });
}

bool isSectionLabel(QStringView line) {
    return !line.isEmpty() &&
           std::any_of(kSections.begin(), kSections.end(),
                       [line](const SectionFacts& facts) { return facts.labelLine == line; });
}

}  // namespace corvanel
