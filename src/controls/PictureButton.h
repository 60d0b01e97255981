#pragma once

#include "LayoutColor.h"

#include <QPixmap>
#include <QStringList>
#include <QWidget>

#include <functional>

namespace corvanel {

// The picture button of every window: a panel showing a picture in its
// top-left corner, a background colour and lines of words beside the
// picture. The pointer over it swaps in the hover picture and colour.
//
// The writers repaint on the spot rather than queueing a paint: the windows
// often write them while the GUI thread is busy.
//
// The keyboard reaches it by Tab only, so a click leaves the focus where it
// was; Space and Enter then act as a click, beep included, and a ring shows
// where the focus is.
class PictureButton : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { None, Lowered, Raised };

    explicit PictureButton(QWidget* parent = nullptr);

    // What the button shows: lines of words beside its picture, the picture
    // swapped for the hover picture and the colour for the hover colour while
    // the pointer is over it, the leave colour otherwise.
    const QStringList& words() const { return words_; }
    void setWords(const QStringList& words);
    const QPixmap& picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    const QPixmap& hoverPicture() const { return hoverPicture_; }
    void setHoverPicture(const QPixmap& picture);
    // Pictures of the artwork by file name, reloaded when its set changes.
    void setPictureFiles(const QString& picture, const QString& hoverPicture);
    void setHoverColour(LayoutColor colour);
    void setLeaveColour(LayoutColor colour);

    // The panel under it: a raised or lowered bevel and a background colour.
    void setOuterBevel(Bevel bevel);
    void setPanelColour(LayoutColor colour);
    // Painting always empties the caption again.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    LayoutColor currentColour() const { return currentColour_; }

    // What a screen reader calls the button: its accessible name, else its
    // hint, else its words.
    QString spokenName() const;

    // Runs on every mouse press; the default sounds the system beep.
    void setMousePressHandler(std::function<void()> handler);

    void click();

Q_SIGNALS:
    void clicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void paintFocusRing(QPainter& painter) const;
    void paintPanel(QPainter& painter) const;
    void paintWords(QPainter& painter, const QColor& background) const;
    void repaintNow();

    bool hovered_ = false;
    LayoutColor currentColour_ = kSystemButtonFace;
    QStringList words_;
    QPixmap hoverPicture_;
    QPixmap picture_;
    QString pictureFile_;
    QString hoverPictureFile_;
    LayoutColor hoverColour_ = kBlack;
    LayoutColor leaveColour_ = kBlack;

    Bevel outerBevel_ = Bevel::Raised;
    LayoutColor panelColour_ = kSystemButtonFace;
    QString caption_;

    std::function<void()> mousePressHandler_;
    bool pressedInside_ = false;
    bool focusShown_ = false;
};

}  // namespace corvanel
