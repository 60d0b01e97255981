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
        QFile file(QStringLiteral(":/viewer/PageMarks.js"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return source;
}

void PageMarker::mark(const QStringList& words) {
    const int generation = ++generation_;
    const QStringList needles = PageFolding::needles(words);
    if (needles.isEmpty()) {
        run(QStringLiteral("corvanelMarks.clear(), [0, 0]"), generation);
        return;
    }
    QPointer<PageMarker> self(this);
    page_->runJavaScript(script() + QStringLiteral("\n;corvanelMarks.characters()"), kWorld,
                         [self, needles, generation](const QVariant& characters) {
                             if (self && characters.isValid() && generation == self->generation_) {
                                 self->markWithTable(characters.toString(), needles, generation);
                             }
                         });
}

void PageMarker::markWithTable(const QString& characters, const QStringList& needles,
                               int generation) {
    run(QStringLiteral("corvanelMarks.mark(%1, %2), corvanelMarks.go(0)")
            .arg(json(PageFolding::foldingTable(characters)),
                 json(QJsonArray::fromStringList(needles))),
        generation);
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

void PageMarker::run(const QString& call, int generation) {
    QPointer<PageMarker> self(this);
    page_->runJavaScript(script() + u"\n;" + call, kWorld,
                         [self, generation](const QVariant& result) {
                             // A page being destroyed answers with nothing.
                             if (!self || !result.isValid() || generation != self->generation_) {
                                 return;
                             }
                             const QVariantList position = result.toList();
                             self->current_ = position.value(0).toInt();
                             self->count_ = position.value(1).toInt();
                             Q_EMIT self->positionChanged(self->current_, self->count_);
                         });
}

}  // namespace corvanel
