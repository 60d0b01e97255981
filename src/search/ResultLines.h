#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace corvanel {

// Reads the display lines of court decisions' text starts, many at a time.
class DecisionLineSource {
public:
    virtual ~DecisionLineSource() = default;
    // The first count display lines of each text row, in the rows' order;
    // fewer when one cannot be read, which then raises an error when it is
    // asked for first.
    virtual std::vector<QStringList> linesOf(const std::vector<std::int64_t>& textRows,
                                             int count) = 0;
};

// The two parallel lists of the result list: the lines the user reads
// (`ListBox1`) and, behind each, its key (`ListBox2`): the document code,
// the author in the author list, or " " behind a separator line.
//
// A court decision's lines are known by number before they are read: its
// text is read and broken only when one of its lines is asked for, together
// with the decisions around it.
class ResultLines {
public:
    static constexpr QStringView kSeparator = u" ";

    // What a line is, for whoever draws it: a section's label is drawn
    // apart, whatever a title happens to say.
    enum class Kind : std::uint8_t { Text, SectionLabel };

    // source must outlive the lines it fills.
    explicit ResultLines(DecisionLineSource& source) : source_(source) {}

    void clear();
    void add(const QString& line, const QString& key, Kind kind = Kind::Text);
    // A separator line, closing a block.
    void addSeparator();
    // count lines of a text row's start, the first after prefix.
    void addDecisionLines(std::int64_t textRow, const QString& prefix, int count,
                          const QString& key);

    qsizetype size() const { return static_cast<qsizetype>(entries_.size()); }
    bool isEmpty() const { return entries_.empty(); }
    // The line, reading its decision's text (and its neighbours') first
    // when it has not been read: DatabaseError when it cannot be.
    QString line(qsizetype row) const;
    // The line as far as it is known, reading nothing: a decision's line not
    // read yet gives what goes before it.
    QString knownLine(qsizetype row) const;
    // Reads the decisions of the lines first to last that are not read yet.
    void readLines(qsizetype first, qsizetype last);
    Kind kind(qsizetype row) const { return entries_[static_cast<std::size_t>(row)].kind; }
    const QString& key(qsizetype row) const { return keys_[row]; }
    bool isSeparator(qsizetype row) const;
    // For a decision's line not read yet, what goes before it ("" but on its
    // first line); nothing for every other line.
    std::optional<QString> pendingPrefix(qsizetype row) const;

    // Every line, every key.
    QStringList lines() const;
    const QStringList& keys() const { return keys_; }

private:
    struct Entry {
        QString text;  // the line, or a decision's prefix
        std::int32_t decision = -1;
        std::int32_t part = 0;  // the decision's line
        Kind kind = Kind::Text;
    };
    struct Decision {
        std::int64_t textRow = 0;
        int lineCount = 0;
        QStringList lines;        // empty until read
        bool unreadable = false;  // its text could not be read: shown blank
    };

    void read(std::size_t first, std::size_t count) const;

    DecisionLineSource& source_;
    std::vector<Entry> entries_;
    QStringList keys_;
    mutable std::vector<Decision> decisions_;
};

}  // namespace corvanel
