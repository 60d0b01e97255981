#pragma once

#include <QAbstractListModel>

namespace corvanel {

class ResultLines;
class ShownPassages;

// The result list as Qt's views see it: one item per line of ListBox1, the
// key of ListBox2 behind it in KeyRole, what the line is in KindRole. It
// shows the lines (and the passages) as far as they are read and reads
// nothing itself: whoever reads court decisions' lines or passages calls
// linesRead(), and whoever rewrites the lines brackets that with
// beginRewrite() and endRewrite().
class ResultListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    static constexpr int KeyRole = Qt::UserRole + 1;
    // Before a court decision's line is read: what goes before it, "" but
    // on its first line; no value on any other line.
    static constexpr int PendingPrefixRole = Qt::UserRole + 2;
    // ResultLines::Kind, as an int.
    static constexpr int KindRole = Qt::UserRole + 3;
    // On the line a row's passage is drawn under: the Passage once worked
    // out (none when it shows nothing), and whether it is still to come.
    static constexpr int PassageRole = Qt::UserRole + 4;
    static constexpr int PassageAwaitedRole = Qt::UserRole + 5;

    explicit ResultListModel(const ResultLines& lines, QObject* parent = nullptr);

    // The words in context shown under key-word results' rows, as far as
    // worked out; none when passages is null.
    void showPassages(const ShownPassages* passages);
    bool showsPassages() const { return passages_ != nullptr; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

    void beginRewrite() { beginResetModel(); }
    void endRewrite() { endResetModel(); }
    // After the lines first to last were read.
    void linesRead(int first, int last);

private:
    QString accessibleText(int row) const;

    const ResultLines& lines_;
    const ShownPassages* passages_ = nullptr;
};

}  // namespace corvanel
