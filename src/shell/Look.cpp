#include "Look.h"

#include <QFont>
#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace corvanel::Look {

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont sansSerif(int pixelSize) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, int pixelSize) {
    auto* label = new QLabel(text, parent);
    label->setFont(sansSerif(pixelSize));
    label->setGeometry(geometry);
    return label;
}

}  // namespace corvanel::Look
