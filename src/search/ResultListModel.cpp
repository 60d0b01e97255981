#include "ResultListModel.h"

#include "ResultLines.h"

namespace corvanel {

ResultListModel::ResultListModel(const ResultLines& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return lines_.lines()[index.row()];
        case Qt::AccessibleTextRole: {
            // A separator row is blank to the eye and says nothing to the ear.
            const QString& line = lines_.lines()[index.row()];
            return line.trimmed().isEmpty() ? QString() : line;
        }
        case KeyRole:
            return lines_.keys()[index.row()];
        default:
            return {};
    }
}

}  // namespace corvanel
