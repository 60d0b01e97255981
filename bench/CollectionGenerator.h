#pragma once

#include <QString>

#include <cstdint>

namespace corvanel::bench {

// What a generated collection looks like. The defaults give about 10 KB of
// text per document, so 20,000 documents make some 200 MB.
struct GeneratorOptions {
    int documents = 20000;
    std::uint64_t seed = 1;
    // Document text lengths in bytes: log-normal around the median, clipped.
    double medianTextBytes = 6000;
    double lengthSpread = 1.0;  // sigma of the underlying normal
    int minTextBytes = 1000;
    int maxTextBytes = 200000;
    // Each document's page textos/<cod>.htm, as big as its text.
    bool writePages = true;
};

// Words the benchmarks search for, with what the generator guarantees.
namespace words {
// Planted in exactly kRareDocuments documents, and nowhere else.
inline constexpr QStringView kRare = u"xilogravura";
inline constexpr int kRareDocuments = 5;
// The commonest word of the vocabulary after the short function words.
inline constexpr QStringView kCommon = u"criança";
inline constexpr QStringView kTwoLetters = u"ti";
inline constexpr QStringView kBlank = u" ";
}  // namespace words

// Writes a collection database at databasePath (content root: contentRoot)
// with documents of every section and every category code the program
// lists: Portuguese-like words with accents at Zipf frequencies, titles,
// authors, key words, court decisions of several paragraphs, cards in two
// sections, cards with two text rows or none. Into contentRoot go the fixed
// files and, unless options say otherwise, each document's page, so the
// collection passes `corvanel-collection check`. The same options always
// give the same collection. Throws collection::BuildError.
void generateCollection(const QString& databasePath, const QString& contentRoot,
                        const GeneratorOptions& options);

}  // namespace corvanel::bench
