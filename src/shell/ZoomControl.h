#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace corvanel {

// The zoom of a window's reading area: Ctrl+plus, Ctrl+minus and Ctrl+0 in
// the window, and Ctrl+wheel over the area, step one factor through the
// steps browsers use, from 50% to 300%.
class ZoomControl final : public QObject {
    Q_OBJECT

public:
    static constexpr double kNormal = 1.0;

    // window: where the keys work; area: where Ctrl+wheel zooms (its
    // child widgets too, as the page engine adds its own).
    ZoomControl(QWidget* window, QWidget* area);

    double factor() const { return factor_; }
    // Any factor, brought to the nearest step; factorChanged when it changes.
    void setFactor(double factor);

    void zoomIn();
    void zoomOut();
    void reset() { setFactor(kNormal); }

    // "Aumentar zoom", "Diminuir zoom", "Tamanho normal", with their keys.
    const QList<QAction*>& actions() const { return actions_; }

    // The step nearest to factor; kNormal for a factor that is no number.
    static double nearestStep(double factor);

Q_SIGNALS:
    void factorChanged(double factor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* addAction(QWidget* window, const QString& name, const QString& text,
                       const QList<QKeySequence>& keys, void (ZoomControl::*handler)());

    double factor_ = kNormal;
    QList<QAction*> actions_;
};

}  // namespace corvanel
