#pragma once

#include <QList>
#include <QPixmap>
#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace corvanel {

// Plays a clip of still frames, like the animation control of a search
// window: frames first to last (counted from 1), a given number of times.
class FrameAnimation final : public QWidget {
    Q_OBJECT

public:
    FrameAnimation(QList<QPixmap> frames, QWidget* parent = nullptr);
    // Frames of the artwork by file name, reloaded when its set changes.
    FrameAnimation(QStringList artworkFiles, QWidget* parent = nullptr);

    void play(int firstFrame, int lastFrame, int repetitions);
    bool isPlaying() const { return timer_.isActive(); }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void advance();

    void loadArtwork();

    QList<QPixmap> frames_;
    QStringList artworkFiles_;
    QTimer timer_;
    int first_ = 0;
    int last_ = 0;
    int current_ = 0;
    int repetitionsLeft_ = 0;
};

}  // namespace corvanel
