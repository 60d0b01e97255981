#pragma once

#include <QStringList>
#include <QWidget>

namespace corvanel::testing {

// The layout names the widgets of a window carry as object names, sorted;
// a name given twice shows twice. Qt's own inner widgets ("qt_...") and
// unnamed ones are left out.
inline QStringList layoutNames(const QWidget& window) {
    QStringList names;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (!name.isEmpty() && !name.startsWith(u"qt_")) {
            names << name;
        }
    }
    names.sort();
    return names;
}

}  // namespace corvanel::testing
