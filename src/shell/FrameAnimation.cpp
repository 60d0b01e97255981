#include "FrameAnimation.h"

#include "Artwork.h"

#include <QPainter>

namespace corvanel {

namespace {
constexpr int kFrameIntervalMs = 70;
}

FrameAnimation::FrameAnimation(QList<QPixmap> frames, QWidget* parent)
    : QWidget(parent), frames_(std::move(frames)) {
    timer_.setInterval(kFrameIntervalMs);
    connect(&timer_, &QTimer::timeout, this, &FrameAnimation::advance);
}

FrameAnimation::FrameAnimation(QStringList artworkFiles, QWidget* parent)
    : FrameAnimation(QList<QPixmap>(), parent) {
    artworkFiles_ = std::move(artworkFiles);
    loadArtwork();
}

void FrameAnimation::loadArtwork() {
    frames_.clear();
    for (const QString& file : artworkFiles_) {
        frames_ << Artwork::picture(file);
    }
}

bool FrameAnimation::event(QEvent* event) {
    if (event->type() == Artwork::setChanged()) {
        if (!artworkFiles_.isEmpty()) {
            loadArtwork();
            update();
        }
        return true;
    }
    return QWidget::event(event);
}

void FrameAnimation::play(int firstFrame, int lastFrame, int repetitions) {
    if (frames_.isEmpty()) {
        return;
    }
    first_ = qBound(0, firstFrame - 1, int(frames_.size()) - 1);
    last_ = qBound(first_, lastFrame - 1, int(frames_.size()) - 1);
    current_ = first_;
    repetitionsLeft_ = repetitions;
    timer_.start();
    update();
}

void FrameAnimation::advance() {
    if (current_ < last_) {
        ++current_;
    } else if (--repetitionsLeft_ > 0) {
        current_ = first_;
    } else {
        timer_.stop();
    }
    update();
}

void FrameAnimation::paintEvent(QPaintEvent*) {
    if (current_ < 0 || current_ >= frames_.size()) {
        return;
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, frames_.at(current_));
}

}  // namespace corvanel
