#pragma once

#include <QAbstractListModel>

namespace corvanel {

class ResultLines;

// The result list as Qt's views see it: one item per line of ListBox1, the
// key of ListBox2 behind it in KeyRole. It reads the lines where the result
// list keeps them; whoever rewrites them brackets that with
// beginRewrite() and endRewrite().
class ResultListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole + 1;
    // Before a court decision's line is read: what goes before it, "" but
    // on its first line; no value on any other line.
    static constexpr int PendingPrefixRole = Qt::UserRole + 2;

    explicit ResultListModel(const ResultLines& lines, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void beginRewrite() { beginResetModel(); }
    void endRewrite() {
        readErrorShown_ = false;
        endResetModel();
    }

private:
    QString lineAt(int row) const;

    const ResultLines& lines_;
    mutable bool readErrorShown_ = false;
};

}  // namespace corvanel
