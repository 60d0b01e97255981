#include "Artwork.h"

#include <QApplication>
#include <QLabel>
#include <QVariant>

namespace corvanel::Artwork {

namespace {

constexpr char kShownFile[] = "corvanelArtwork";

Set currentSet = Set::Design;

}  // namespace

Set current() {
    return currentSet;
}

void use(Set set) {
    if (set == currentSet) {
        return;
    }
    currentSet = set;
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            const QString file = shownFile(label);
            if (!file.isEmpty()) {
                label->setPixmap(picture(file));
            }
        }
        QEvent changed(setChanged());
        QCoreApplication::sendEvent(widget, &changed);
    }
}

QString path(QStringView file, Set set) {
    return (set == Set::HighContrast ? u":/artwork/contrast/" : u":/artwork/") + file;
}

QPixmap picture(QStringView file) {
    return file.isEmpty() ? QPixmap() : QPixmap(path(file, currentSet));
}

void show(QLabel* label, const QString& file) {
    label->setProperty(kShownFile, file);
    label->setPixmap(picture(file));
}

QString shownFile(const QLabel* label) {
    return label->property(kShownFile).toString();
}

QEvent::Type setChanged() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

}  // namespace corvanel::Artwork
