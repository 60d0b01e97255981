#pragma once

#include "StartupProgress.h"

#include <QWidget>

class QLabel;
class QProgressBar;

namespace corvanel {

// The window shown while the program starts: status text and progress bar.
// The work between steps runs on the GUI thread without returning to the
// event loop, so every change repaints at once.
class SplashScreen final : public QWidget, public StartupProgress {
    Q_OBJECT

public:
    explicit SplashScreen(QWidget* parent = nullptr);

    void setStatus(const QString& text) override;
    void setBarPosition(int position) override;
    int barPosition() const override;

    QString status() const;

Q_SIGNALS:
    void statusChanged(const QString& text);
    void barPositionChanged(int position);

private:
    QLabel* status_ = nullptr;
    QProgressBar* progressBar_ = nullptr;
};

}  // namespace corvanel
