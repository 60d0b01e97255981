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
class PictureButton : public QWidget {
    Q_OBJECT

public:
    enum class Bevel { None, Lowered, Raised };

    explicit PictureButton(QWidget* parent = nullptr);

    // The button's own properties.
    const QStringList& PUTWORDS() const { return words_; }
    void setPUTWORDS(const QStringList& words);
    const QPixmap& PUTPICTURE1() const { return picture1_; }
    void setPUTPICTURE1(const QPixmap& picture);
    const QPixmap& PUTPICTURE2() const { return picture2_; }
    void setPUTPICTURE2(const QPixmap& picture);
    LayoutColor PUTOVERCOLOR() const { return overColour_; }
    void setPUTOVERCOLOR(LayoutColor colour);
    LayoutColor PUTLEAVECOLOR() const { return leaveColour_; }
    void setPUTLEAVECOLOR(LayoutColor colour);

    // The panel's properties.
    Bevel bevelOuter() const { return bevelOuter_; }
    void setBevelOuter(Bevel bevel);
    Bevel bevelInner() const { return bevelInner_; }
    void setBevelInner(Bevel bevel);
    int bevelWidth() const { return bevelWidth_; }
    void setBevelWidth(int width);
    int borderWidth() const { return borderWidth_; }
    void setBorderWidth(int width);
    LayoutColor color() const { return color_; }
    void setColor(LayoutColor colour);
    // Painting always empties the caption again.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    bool isHovered() const { return hovered_; }
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
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintPanel(QPainter& painter) const;
    void paintWords(QPainter& painter, const QColor& background) const;
    void repaintNow();

    bool hovered_ = false;
    LayoutColor currentColour_ = clBtnFace;
    QStringList words_;
    QPixmap picture2_;
    QPixmap picture1_;
    LayoutColor overColour_ = clBlack;
    LayoutColor leaveColour_ = clBlack;

    Bevel bevelOuter_ = Bevel::Raised;
    Bevel bevelInner_ = Bevel::None;
    int bevelWidth_ = 3;
    int borderWidth_ = 0;
    LayoutColor color_ = clBtnFace;
    QString caption_;

    std::function<void()> mousePressHandler_;
    bool pressedInside_ = false;
};

}  // namespace corvanel
