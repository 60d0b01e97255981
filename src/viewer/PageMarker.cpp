#include "PageMarker.h"

#include "PageFolding.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace corvanel {

namespace {

// The page's own scripts never see the program's.
constexpr quint32 kWorld = QWebEngineScript::ApplicationWorld;

// A slice of the marking left after the first occurrences: short enough for
// the page to draw and answer in between.
constexpr int kSliceMilliseconds = 8;
constexpr int kSliceOccurrences = 512;

QString json(const QJsonValue& value) {
    QJsonArray wrapped{value};
    const QByteArray text = QJsonDocument(wrapped).toJson(QJsonDocument::Compact);
    // "[value]" without its brackets.
    return QString::fromUtf8(text.mid(1, text.size() - 2));
}

}  // namespace

PageMarker::PageMarker(QWebEnginePage* page) : QObject(page), page_(page) {
    // A new page has no marks, and answers about the old one are stale.
    connect(page, &QWebEnginePage::loadStarted, this, [this] {
        ++generation_;
        current_ = 0;
        count_ = 0;
    });
}

const QString& PageMarker::script() {
    static const QString source = [] {
        QString text;
        for (const QString& name :
             {QStringLiteral("PageText.js"), QStringLiteral("PageMarks.js")}) {
            QFile file(QStringLiteral(":/viewer/") + name);
            if (file.open(QIODevice::ReadOnly)) {
                text += QString::fromUtf8(file.readAll()) + u'\n';
            }
        }
        return text;
    }();
    return source;
}

void PageMarker::mark(const QStringList& words, Reveal reveal, const MarkChoices& choices) {
    const int generation = ++generation_;
    const QStringList needles = PageFolding::needles(words);
    if (needles.isEmpty()) {
        run(QStringLiteral("corvanelMarks.clear(), [0, 0]"), generation, Ending::Marking);
        return;
    }
    static const QString commonTable = json(PageFolding::commonFoldingTable());
    // The page folds as the words are folded.
    const MarkChoices folded{choices.wholeWords, PageFolding::needles({choices.near}).value(0)};
    markWith(commonTable, needles, true, reveal, folded, generation);
}

// One trip to the page when it uses common characters alone; one more to
// fold the others it uses.
void PageMarker::markWith(const QString& table, const QStringList& needles, bool askMissing,
                          Reveal reveal, const MarkChoices& choices, int generation) {
    const auto flag = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    const QString call =
        QStringLiteral("corvanelMarks.mark(%1, %2, %3, %4, %5, %6, %7)")
            .arg(QString::number(generation), table, json(QJsonArray::fromStringList(needles)),
                 flag(askMissing), flag(reveal == Reveal::First), json(choices.near),
                 flag(choices.wholeWords));
    QPointer<PageMarker> self(this);
    page_->runJavaScript(
        script() + u"\n;" + call, kWorld,
        [self, needles, reveal, choices, generation](const QVariant& answer) {
            if (!self || !answer.isValid() || generation != self->generation_) {
                return;
            }
            if (answer.typeId() == QMetaType::QString) {
                QJsonObject wider = PageFolding::commonFoldingTable();
                const QJsonObject missing = PageFolding::foldingTable(answer.toString());
                for (auto character = missing.begin(); character != missing.end(); ++character) {
                    wider.insert(character.key(), character.value());
                }
                self->markWith(json(wider), needles, false, reveal, choices, generation);
                return;
            }
            self->report(answer);
            // Whoever heard of the count may have closed the page or marked anew.
            if (!self || generation != self->generation_) {
                return;
            }
            if (answer.toList().value(2).toInt() > 0) {
                self->markMore(generation);
            } else {
                Q_EMIT self->markingFinished();
            }
        });
}

void PageMarker::markMore(int generation) {
    QPointer<PageMarker> self(this);
    page_->runJavaScript(
        QStringLiteral("window.corvanelMarks ? corvanelMarks.more(%1, %2, %3) : -1")
            .arg(generation)
            .arg(kSliceMilliseconds)
            .arg(kSliceOccurrences),
        kWorld, [self, generation](const QVariant& pending) {
            if (!self || !pending.isValid() || generation != self->generation_ ||
                pending.toInt() < 0) {
                return;
            }
            if (pending.toInt() > 0) {
                self->markMore(generation);
            } else {
                Q_EMIT self->markingFinished();
            }
        });
}

void PageMarker::clear() {
    run(QStringLiteral("corvanelMarks.clear(), [0, 0]"), ++generation_);
}

void PageMarker::next() {
    run(QStringLiteral("corvanelMarks.step(1)"), generation_);
}

void PageMarker::previous() {
    run(QStringLiteral("corvanelMarks.step(-1)"), generation_);
}

void PageMarker::run(const QString& call, int generation, Ending ending) {
    QPointer<PageMarker> self(this);
    page_->runJavaScript(script() + u"\n;" + call, kWorld,
                         [self, generation, ending](const QVariant& result) {
                             // A page being destroyed answers with nothing.
                             if (!self || !result.isValid() || generation != self->generation_) {
                                 return;
                             }
                             self->report(result);
                             if (self && ending == Ending::Marking) {
                                 Q_EMIT self->markingFinished();
                             }
                         });
}

void PageMarker::report(const QVariant& position) {
    const QVariantList numbers = position.toList();
    current_ = numbers.value(0).toInt();
    count_ = numbers.value(1).toInt();
    Q_EMIT positionChanged(current_, count_);
}

}  // namespace corvanel
