#pragma once

#include "MainWindow.h"
#include "PageRequest.h"
#include "RecordingPrompts.h"
#include "ResultRequest.h"

#include <QList>
#include <QString>

#include <gtest/gtest.h>

#include <QTreeWidget>

namespace corvanel::testing {

// A main window whose requests to the result-list window and the viewer are
// recorded rather than opening them. It is not shown until show() is called.
class RecordedMainWindow {
public:
    RecordedMainWindow();

    // Shows the window and waits until it is the active window.
    void show();

    // A control of the window by its name; fails the test when there is none.
    template <typename T>
    T* find(const QString& name) const {
        T* widget = form.findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << "no control " << name.toStdString();
        return widget;
    }

    RecordingPrompts prompts;
    MainWindow form;
    QList<ResultRequest> requests;
    QList<PageRequest> pages;
};

// A click in the middle of widget.
void click(QWidget* widget);

// A double click as the platform delivers it: press, release, double click,
// release.
void doubleClick(QWidget* widget, QPoint position);

// Resizes the window so that its layout rules see outer as W × H.
void resizeOuter(MainWindow& form, QSize outer);

QString utf8(const char* text);

// The node at absoluteIndex in a pre-order walk of the whole tree, or null.
QTreeWidgetItem* nodeAt(const QTreeWidget* tree, int absoluteIndex);

}  // namespace corvanel::testing
