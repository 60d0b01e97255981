#include "ProgramIcon.h"

#include <QDir>

namespace corvanel {

QIcon programIcon() {
    QIcon icon;
    const QDir pictures(QStringLiteral(":/icon"));
    for (const QString& name : pictures.entryList(QDir::Files)) {
        icon.addFile(pictures.filePath(name));
    }
    return icon;
}

}  // namespace corvanel
