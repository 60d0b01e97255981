#pragma once

#include <QList>
#include <QWidget>

class QAction;
class QToolButton;

namespace corvanel {

// The viewer's buttons in its header strip: back, forward, and a menu of
// every command of the viewer (find, article, outline, citation,
// favourites, PDF, print preview, zoom) with its key.
class ViewerToolStrip final : public QWidget {
    Q_OBJECT

public:
    ViewerToolStrip(QAction* back, QAction* forward, const QList<QAction*>& commands,
                    QWidget* parent);

    QToolButton* backButton() const { return back_; }
    QToolButton* forwardButton() const { return forward_; }
    QToolButton* menuButton() const { return menu_; }

private:
    QToolButton* addButton(const QString& text);

    QToolButton* back_;
    QToolButton* forward_;
    QToolButton* menu_;
};

}  // namespace corvanel
