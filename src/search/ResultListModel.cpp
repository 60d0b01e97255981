#include "ResultListModel.h"

#include "DatabaseError.h"
#include "ErrorBox.h"
#include "ResultLines.h"

namespace corvanel {

ResultListModel::ResultListModel(const ResultLines& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

// A text that cannot be read leaves its lines blank rather than the window
// broken half-way through drawing.
QString ResultListModel::lineAt(int row) const {
    try {
        return lines_.line(row);
    } catch (const DatabaseError& error) {
        // Once per fill, after the drawing that came upon it.
        if (!readErrorShown_) {
            readErrorShown_ = true;
            QMetaObject::invokeMethod(
                const_cast<ResultListModel*>(this),
                [message = error.message()] { showStandardError(message); }, Qt::QueuedConnection);
        }
        return {};
    }
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return lineAt(index.row());
        case Qt::AccessibleTextRole: {
            // A separator row is blank to the eye and says nothing to the ear.
            const QString line = lineAt(index.row());
            return line.trimmed().isEmpty() ? QString() : line;
        }
        case KeyRole:
            return lines_.key(index.row());
        case PendingPrefixRole: {
            const auto prefix = lines_.pendingPrefix(index.row());
            return prefix ? QVariant(*prefix) : QVariant();
        }
        default:
            return {};
    }
}

}  // namespace corvanel
