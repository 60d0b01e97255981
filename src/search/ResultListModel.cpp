#include "ResultListModel.h"

#include "ResultLines.h"
#include "ShownPassages.h"

namespace corvanel {

ResultListModel::ResultListModel(const ResultLines& lines, QObject* parent)
    : QAbstractListModel(parent), lines_(lines) {}

int ResultListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(lines_.size());
}

void ResultListModel::linesRead(int first, int last) {
    if (first <= last && last < rowCount()) {
        Q_EMIT dataChanged(index(first), index(last),
                           {Qt::DisplayRole, PendingPrefixRole, PassageRole, PassageAwaitedRole,
                            Qt::AccessibleTextRole});
    }
}

void ResultListModel::showPassages(const ShownPassages* passages) {
    passages_ = passages;
    if (rowCount() > 0) {
        Q_EMIT dataChanged(index(0), index(rowCount() - 1),
                           {PassageRole, PassageAwaitedRole, Qt::AccessibleTextRole});
    }
}

// Whoever moves through the list hears a row's passage on its first line,
// where the keys land, and on the line it is drawn under.
QString ResultListModel::accessibleText(int row) const {
    QString line = lines_.knownLine(row);
    // A separator row is blank to the eye and says nothing to the ear.
    if (line.trimmed().isEmpty() && (passages_ == nullptr || !passages_->isDrawnUnder(row))) {
        return {};
    }
    const Passage* passage = passages_ != nullptr ? passages_->known(row) : nullptr;
    const bool firstOfRow = row == 0 || lines_.isSeparator(row - 1);
    if (passage == nullptr || passage->place == Passage::Place::Nowhere ||
        !(firstOfRow || passages_->isDrawnUnder(row))) {
        return line;
    }
    const QString trimmed = line.trimmed();
    return (trimmed.isEmpty() ? QString() : trimmed + QStringLiteral(". ")) +
           QStringLiteral("Trecho: ") + passage->shown();
}

QVariant ResultListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= lines_.size()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return lines_.knownLine(index.row());
        case Qt::AccessibleTextRole:
            return accessibleText(index.row());
        case KeyRole:
            return lines_.key(index.row());
        case KindRole:
            return static_cast<int>(lines_.kind(index.row()));
        case PendingPrefixRole: {
            const auto prefix = lines_.pendingPrefix(index.row());
            return prefix ? QVariant(*prefix) : QVariant();
        }
        case PassageRole: {
            const Passage* passage = passages_ != nullptr && passages_->isDrawnUnder(index.row())
                                         ? passages_->known(index.row())
                                         : nullptr;
            // One that shows nothing leaves the line as it is.
            return passage != nullptr && passage->place != Passage::Place::Nowhere
                       ? QVariant::fromValue(*passage)
                       : QVariant();
        }
        case PassageAwaitedRole:
            return passages_ != nullptr && passages_->isDrawnUnder(index.row()) &&
                   passages_->known(index.row()) == nullptr;
        default:
            return {};
    }
}

}  // namespace corvanel
