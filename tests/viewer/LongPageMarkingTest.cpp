#include "FindBar.h"
#include "ViewerTesting.h"

namespace corvanel {
namespace {

using testing::ViewerWithPages;

constexpr int kArticles = 1000;

// A statute long enough to be marked a slice at a time: each article says
// "educação" twice, once split by markup, and "direito" once.
QByteArray longStatute() {
    QByteArray page = "<!DOCTYPE html><meta charset=\"utf-8\"><title>Estatuto</title><body>\n";
    for (int article = 1; article <= kArticles; ++article) {
        page += "<p><b>Art. " + QByteArray::number(article) +
                ".</b> A EDUCAÇÃO é direito de todos; a educa<i>ção</i> básica.</p>\n";
    }
    return page + "</body>";
}

class LongPageMarking : public ViewerWithPages {
protected:
    LongPageMarking() {
        writePage(QStringLiteral("L01"), "<p>Estatuto</p>");
        writePage(QStringLiteral("L02"), longStatute());
    }

    int inPageCount(const QString& selector) {
        return inPage(QStringLiteral("document.querySelectorAll('%1').length").arg(selector))
            .toInt();
    }
    int textNodeCount() {
        return inPage(
                   QStringLiteral("(() => { const walker = document.createTreeWalker(document.body,"
                                  " NodeFilter.SHOW_TEXT); let count = 0;"
                                  " while (walker.nextNode()) ++count; return count; })()"))
            .toInt();
    }

    QSignalSpy finished{viewer.marker(), &PageMarker::markingFinished};
};

TEST_F(LongPageMarking, StepsBackToTheLastOccurrenceBeforeTheOthersAreMarked) {
    // The window takes the keys before the long page opens.
    openAndWait(QStringLiteral("L01"));
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));

    openAndWait(QStringLiteral("L02"), {QStringLiteral("educacao")});
    ASSERT_TRUE(finished.isEmpty()) << "marked whole at once: too short a page for this test";
    EXPECT_EQ(viewer.findBar()->positionText(), u"1 de 2000");
    waitForPosition([&] { QTest::keyClick(&viewer, Qt::Key_F3, Qt::ShiftModifier); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"2000 de 2000");
    EXPECT_EQ(currentInPage(), 2000);

    // Each occurrence marked once, the last one still current.
    ASSERT_TRUE(finished.wait(30000) || !finished.isEmpty());
    const QStringList marked = markedTexts();
    ASSERT_EQ(marked.size(), 2000);
    for (int article = 0; article < kArticles; ++article) {
        EXPECT_EQ(marked.at(2 * article), u"EDUCAÇÃO");
        EXPECT_EQ(marked.at(2 * article + 1), u"educação");
    }
    EXPECT_EQ(inPageCount(QStringLiteral("corvanel-marca")), 3 * kArticles);
    EXPECT_EQ(currentInPage(), 2000);
    waitForPosition([&] { QTest::keyClick(&viewer, Qt::Key_F3); });
    EXPECT_EQ(viewer.findBar()->positionText(), u"1 de 2000");
    EXPECT_EQ(currentInPage(), 1);
}

TEST_F(LongPageMarking, ClearingOrMarkingAgainMidwayLeavesNothingOfTheFirstMarking) {
    openAndWait(QStringLiteral("L02"));
    const QString unmarked = inPage(QStringLiteral("document.body.innerHTML")).toString();
    const int textNodes = textNodeCount();

    waitForPosition([&] { viewer.marker()->mark({QStringLiteral("educacao")}); });
    ASSERT_TRUE(finished.isEmpty()) << "marked whole at once: too short a page for this test";
    waitForPosition([&] { viewer.marker()->clear(); });
    EXPECT_EQ(viewer.marker()->count(), 0);
    // A step after the clearing: no slice of the old marking came after it.
    waitForPosition([&] { viewer.marker()->next(); });
    EXPECT_EQ(inPageCount(QStringLiteral("corvanel-marca")), 0);
    EXPECT_EQ(inPage(QStringLiteral("document.body.innerHTML")).toString(), unmarked);
    EXPECT_EQ(textNodeCount(), textNodes);
    EXPECT_TRUE(finished.isEmpty());

    waitForPosition([&] { viewer.marker()->mark({QStringLiteral("educacao")}); });
    ASSERT_TRUE(finished.isEmpty());
    viewer.marker()->mark({QStringLiteral("direito")});
    ASSERT_TRUE(finished.wait(30000) || !finished.isEmpty());
    EXPECT_EQ(viewer.marker()->count(), kArticles);
    EXPECT_EQ(viewer.marker()->current(), 1);
    const QStringList marked = markedTexts();
    EXPECT_EQ(marked.size(), kArticles);
    EXPECT_EQ(marked.count(QStringLiteral("direito")), kArticles);
    EXPECT_EQ(inPageCount(QStringLiteral("corvanel-marca")), kArticles);

    waitForPosition([&] { viewer.marker()->clear(); });
    EXPECT_EQ(inPage(QStringLiteral("document.body.innerHTML")).toString(), unmarked);
    EXPECT_EQ(textNodeCount(), textNodes);
}

}  // namespace
}  // namespace corvanel
