#pragma once

#include "DocumentViewer.h"
#include "PageBrowser.h"
#include "PageMarker.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWebEnginePage>

#include <gtest/gtest.h>

namespace corvanel::testing {

// What the page's own scripts would get for script, in its main world.
inline QVariant evaluate(QWebEnginePage* page, const QString& script) {
    QVariant result;
    bool answered = false;
    page->runJavaScript(script, [&](const QVariant& value) {
        result = value;
        answered = true;
    });
    EXPECT_TRUE(QTest::qWaitFor([&] { return answered; }, 30000)) << "the page never answered";
    return result;
}

// A viewer over a content folder of its own, its pages written by the test.
class ViewerWithPages : public ::testing::Test {
protected:
    ViewerWithPages() {
        QDir(content_.path()).mkdir(QStringLiteral("textos"));
        viewer.setContentRootSource([this] { return contentRoot; });
    }

    QString pagePath(const QString& page) const {
        return contentRoot + QStringLiteral("textos/") + page + QStringLiteral(".htm");
    }
    void writePage(const QString& page, const QByteArray& bytes) const {
        QFile file(pagePath(page));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    // Opens page and waits until its marks (if any) have been counted.
    void openAndWait(const QString& page, const QStringList& words = {},
                     const MarkChoices& marking = {}) {
        QSignalSpy marked(viewer.marker(), &PageMarker::positionChanged);
        viewer.openPage(contentRoot, page, SaveBufferOnOpen::Empty, words, marking);
        ASSERT_TRUE(marked.wait(30000) || !marked.isEmpty()) << "the page was never marked";
    }
    // Runs step and waits for the position it reports.
    void waitForPosition(const std::function<void()>& step) {
        QSignalSpy marked(viewer.marker(), &PageMarker::positionChanged);
        step();
        ASSERT_TRUE(marked.wait(30000) || !marked.isEmpty());
    }

    QVariant inPage(const QString& script) { return evaluate(viewer.browser()->page(), script); }

    // The text of each occurrence marked, as the page's own DOM holds it.
    QStringList markedTexts() {
        return inPage(QStringLiteral("(() => { const texts = [];"
                                     " for (const e of document.querySelectorAll('corvanel-marca'))"
                                     "   texts[+e.dataset.ocorrencia] ="
                                     "     (texts[+e.dataset.ocorrencia] || '') + e.textContent;"
                                     " return texts; })()"))
            .toStringList();
    }
    int currentInPage() {
        return inPage(
                   QStringLiteral(
                       "(() => { const e = document.querySelector('corvanel-marca.corvanel-atual');"
                       " return e ? +e.dataset.ocorrencia + 1 : 0; })()"))
            .toInt();
    }

    QTemporaryDir content_;
    QString contentRoot = content_.path() + u'/';
    DocumentViewer viewer;
};

}  // namespace corvanel::testing
