#pragma once

#include <QList>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

namespace corvanel {

// Plays a clip of still frames, like the animation control of a search
// window: frames first to last (counted from 1), a given number of times.
class FrameAnimation final : public QWidget {
    Q_OBJECT

public:
    FrameAnimation(QList<QPixmap> frames, QWidget* parent = nullptr);

    void play(int firstFrame, int lastFrame, int repetitions);
    bool isPlaying() const { return timer_.isActive(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void advance();

    QList<QPixmap> frames_;
    QTimer timer_;
    int first_ = 0;
    int last_ = 0;
    int current_ = 0;
    int repetitionsLeft_ = 0;
};

}  // namespace corvanel
