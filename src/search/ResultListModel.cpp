#include "ResultListModel.h"

#include "ResultLines.h"

namespace corvanel {

ResultListModel::ResultListModel(const ResultLines& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

void ResultListModel::linesRead(int first, int last) {
    if (first <= last && last < rowCount()) {
        Q_EMIT dataChanged(index(first), index(last), {Qt::DisplayRole, PendingPrefixRole});
    }
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return lines_.knownLine(index.row());
        case Qt::AccessibleTextRole: {
            // A separator row is blank to the eye and says nothing to the ear.
            const QString line = lines_.knownLine(index.row());
            return line.trimmed().isEmpty() ? QString() : line;
        }
        case KeyRole:
            return lines_.key(index.row());
        case KindRole:
            return static_cast<int>(lines_.kind(index.row()));
        case PendingPrefixRole: {
            const auto prefix = lines_.pendingPrefix(index.row());
            return prefix ? QVariant(*prefix) : QVariant();
        }
        default:
            return {};
    }
}

}  // namespace corvanel
