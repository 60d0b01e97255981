#pragma once

#include <QDeadlineTimer>
#include <QObject>

class QWidget;

namespace corvanel {

// Remembers the user's last click or Enter on a view and its child widgets,
// for a moment. The page engine reports a page's own scripted navigations as
// clicked links; one that arrives right after the user's input is taken for
// the user's, one that arrives on its own is not.
class RecentUserInput final : public QObject {
public:
    explicit RecentUserInput(QWidget* view);

    // Whether the user clicked or pressed Enter a moment ago, and the moment
    // has not been used up.
    bool isRecent() const { return !until_.hasExpired(); }

    // Uses up the moment: one input lets one thing through.
    void consume() { until_ = QDeadlineTimer(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QDeadlineTimer until_;
};

}  // namespace corvanel
