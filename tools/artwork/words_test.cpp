// The high-contrast set is for readers who cannot make out pale words: each
// word drawn into it must reach WCAG's 4.5 : 1 against what lies under it
// (3 : 1 when large), at the sizes the windows lay out.
#include <gtest/gtest.h>
#include <QImage>
#include <QSet>

#include "picture_list.h"
#include "words.h"

namespace {

using artwork::Picture;
using artwork::Scheme;

std::vector<Picture> listed() {
    return artwork::readPictureList(QStringLiteral(CORVANEL_PICTURE_LIST));
}

std::string describe(const Picture& picture, const artwork::WordsContrast& words) {
    return QStringLiteral("%1 \"%2\": %3 on %4 is %5 : 1")
        .arg(picture.file, words.text, words.colour.name(), words.worstBackground.name())
        .arg(words.ratio, 0, 'f', 2)
        .toStdString();
}

TEST(ArtworkWords, EveryWordOfTheHighContrastSetReachesItsRatio) {
    int worded = 0;
    for (const Picture& picture : listed()) {
        const auto measured = artwork::measureWords(picture, Scheme::HighContrast);
        worded += measured.empty() ? 0 : 1;
        for (const artwork::WordsContrast& words : measured) {
            EXPECT_GT(words.ratio, 0) << describe(picture, words) << " covers no pixel";
            EXPECT_GE(words.ratio, words.required()) << describe(picture, words);
        }
    }
    // Tabs, commands, captions, banners, columns and windows carry words.
    EXPECT_GE(worded, 50);
}

TEST(ArtworkWords, BothSetsCarryTheSameWords) {
    for (const Picture& picture : listed()) {
        QStringList design;
        for (const auto& words : artwork::measureWords(picture, Scheme::Design)) {
            design << words.text;
        }
        QStringList high;
        for (const auto& words : artwork::measureWords(picture, Scheme::HighContrast)) {
            high << words.text;
        }
        EXPECT_EQ(design, high) << picture.file.toStdString();
    }
}

// The measure must see what the design is known to get wrong: white on its
// light green, on the selected tab and the page columns.
TEST(ArtworkWords, TheMeasureFindsTheDesignsPaleWords) {
    QSet<QString> pale;
    for (const Picture& picture : listed()) {
        for (const auto& words : artwork::measureWords(picture, Scheme::Design)) {
            if (words.ratio < words.required()) {
                pale.insert(picture.file);
            }
        }
    }
    EXPECT_TRUE(pale.contains(QStringLiteral("tab-textos-selected.png")));
    EXPECT_TRUE(pale.contains(QStringLiteral("column-julgados.png")));
    EXPECT_TRUE(pale.contains(QStringLiteral("command-busca-geral-hover.png")));
}

TEST(ArtworkWords, HighContrastSetKeepsEverySizeAndChangesTheGreens) {
    for (const Picture& picture : listed()) {
        const QImage design = artwork::render(picture);
        const QImage high = artwork::render(picture, Scheme::HighContrast);
        EXPECT_EQ(high.size(), design.size()) << picture.file.toStdString();
        // Drawing the other set leaves the design's own untouched.
        EXPECT_EQ(artwork::render(picture), design) << picture.file.toStdString();
        if (picture.file.startsWith(QLatin1String("tab-")) &&
            picture.file.contains(QLatin1String("selected"))) {
            EXPECT_NE(high, design) << picture.file.toStdString();
        }
    }
}

TEST(ArtworkWords, ContrastFollowsWcag) {
    EXPECT_NEAR(artwork::contrastRatio(Qt::black, Qt::white), 21.0, 1e-9);
    EXPECT_NEAR(artwork::contrastRatio(Qt::white, Qt::white), 1.0, 1e-9);
    // The design's window green under white, as the accessibility review found it.
    EXPECT_NEAR(artwork::contrastRatio(Qt::white, QColor(123, 198, 33)), 2.11, 0.01);
}

}  // namespace
