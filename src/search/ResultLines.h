#pragma once

#include <QString>
#include <QStringList>

namespace corvanel {

// The two parallel lists of the result list: the lines the user reads
// (`ListBox1`) and, behind each, its key (`ListBox2`): the document code,
// the author in the author list, or " " behind a separator line.
class ResultLines {
public:
    static constexpr QStringView kSeparator = u" ";

    void clear();
    void add(const QString& line, const QString& key);
    // A separator line, closing a block.
    void addSeparator();

    qsizetype size() const { return lines_.size(); }
    bool isEmpty() const { return lines_.isEmpty(); }
    const QStringList& lines() const { return lines_; }
    const QStringList& keys() const { return keys_; }

private:
    QStringList lines_;
    QStringList keys_;
};

}  // namespace corvanel
