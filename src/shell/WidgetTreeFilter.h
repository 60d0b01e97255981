#pragma once

class QEvent;
class QObject;

namespace corvanel {

// The page engine puts its own widgets into a view, and may replace them:
// input meant for the view arrives at those. An event filter installed on
// the view and every widget below it, and on each one added later, sees it.

// Installs filter on root and every widget below it.
void filterWidgetTree(QObject* root, QObject* filter);

// Called from filter's eventFilter: a widget added below a filtered one is
// filtered too.
void followAddedWidget(QEvent* event, QObject* filter);

}  // namespace corvanel
