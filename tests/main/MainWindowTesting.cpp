#include "MainWindowTesting.h"

#include <QTest>

#include <QTreeWidgetItemIterator>

namespace corvanel::testing {

RecordedMainWindow::RecordedMainWindow() {
    form.setResultListOpener([this](const ResultRequest& request) { requests << request; });
    form.setPageOpener([this](const PageRequest& page) { pages << page; });
}

void RecordedMainWindow::show() {
    form.show();
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
}

void click(QWidget* widget) {
    ASSERT_NE(widget, nullptr);
    QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
}

void doubleClick(QWidget* widget, QPoint position) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, position);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, position);
}

void resizeOuter(MainWindow& form, QSize outer) {
    form.resize(form.size() + (outer - form.outerSize()));
    ASSERT_EQ(form.outerSize(), outer);
}

QString utf8(const char* text) {
    return QString::fromUtf8(text);
}

QTreeWidgetItem* nodeAt(const QTreeWidget* tree, int absoluteIndex) {
    int index = 0;
    for (QTreeWidgetItemIterator it(const_cast<QTreeWidget*>(tree)); *it != nullptr; ++it) {
        if (index++ == absoluteIndex) {
            return *it;
        }
    }
    return nullptr;
}

}  // namespace corvanel::testing
