#pragma once

#include <QObject>
#include <QStringList>

class QWebEnginePage;

namespace corvanel {

// What else a marking of words is asked.
struct MarkChoices {
    // Only where the words are whole: no letter or digit of the folded text
    // goes on before or after them.
    bool wholeWords = false;
    // A text around the occurrence to make current (a result row's words in
    // context): the occurrence it surrounds, or the one most like it
    // around; the first when none is.
    QString near = {};
};

// Marks words in the page a browser shows, found as the key-word search
// finds them (case, accents and line breaks aside), and steps through the
// occurrences. The marks live in the page shown, never in its file; a new
// page starts without them. On a long page the count and the first
// occurrence come at once, the other occurrences are marked a slice at a
// time after it, and stepping reaches any of them meanwhile.
class PageMarker final : public QObject {
    Q_OBJECT

public:
    explicit PageMarker(QWebEnginePage* page);

    // Whether marking scrolls the first occurrence into sight, or leaves
    // the reader where they are.
    enum class Reveal { First, Stay };

    // Marks every occurrence of each of words, replacing the marks there
    // were, and makes the first occurrence current, or the one choices
    // tell.
    void mark(const QStringList& words, Reveal reveal = Reveal::First,
              const MarkChoices& choices = {});
    void clear();
    void next();
    void previous();

    // The last state reported: the current occurrence from 1, and the count.
    int current() const { return current_; }
    int count() const { return count_; }

    // The script that marks, as run in the page (for benchmarks and tests).
    static const QString& script();

Q_SIGNALS:
    // After marking or stepping; count 0 when nothing was found. After
    // marking, the first occurrence is marked and shown.
    void positionChanged(int current, int count);
    // After positionChanged of mark(): every occurrence is marked.
    void markingFinished();

private:
    enum class Ending { Step, Marking };

    void markWith(const QString& table, const QStringList& needles, bool askMissing, Reveal reveal,
                  const MarkChoices& choices, int generation);
    void markMore(int generation);
    void run(const QString& call, int generation, Ending ending = Ending::Step);
    void report(const QVariant& position);

    QWebEnginePage* page_;
    int generation_ = 0;  // answers to an older request are dropped
    int current_ = 0;
    int count_ = 0;
};

}  // namespace corvanel
