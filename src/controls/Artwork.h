#pragma once

#include <QEvent>
#include <QPixmap>
#include <QString>
#include <QStringView>

class QLabel;

// The program's pictures (tools/artwork): the design's set under
// ":/artwork/", and a set whose words reach 4.5 : 1 under
// ":/artwork/contrast/", drawn at the same sizes.
namespace corvanel::Artwork {

enum class Set { Design, HighContrast };
Set current();

// Switches to set: every label shown through show() takes its picture from
// it, and every widget receives setChanged() to reload what it holds.
void use(Set set);

QString path(QStringView file, Set set);
// The picture of the current set; null for an empty name.
QPixmap picture(QStringView file);

// label shows file of the current set, and of each set used later.
void show(QLabel* label, const QString& file);
// The file show() gave label; empty if none.
QString shownFile(const QLabel* label);

// The event use() sends every widget after a switch.
QEvent::Type setChanged();

}  // namespace corvanel::Artwork
