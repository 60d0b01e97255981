#include "PageOutline.h"

#include <QFile>
#include <QPointer>
#include <QWebEnginePage>
#include <QWebEngineScript>

namespace corvanel {

namespace {
// The page's own scripts never see the program's.
constexpr quint32 kWorld = QWebEngineScript::ApplicationWorld;
}  // namespace

PageOutline::PageOutline(QWebEnginePage* page) : QObject(page), page_(page) {
    connect(page, &QWebEnginePage::loadStarted, this, [this] {
        ++generation_;
        if (!entries_.isEmpty()) {
            entries_.clear();
            Q_EMIT outlineChanged();
        }
    });
    connect(page, &QWebEnginePage::loadFinished, this, [this](bool loaded) {
        if (loaded) {
            read();
        }
    });
}

const QString& PageOutline::script() {
    static const QString source = [] {
        QFile file(QStringLiteral(":/viewer/PageOutline.js"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }();
    return source;
}

void PageOutline::read() {
    const int generation = ++generation_;
    QPointer<PageOutline> self(this);
    page_->runJavaScript(script() + QStringLiteral("\n;corvanelOutline.read()"), kWorld,
                         [self, generation](const QVariant& answer) {
                             if (!self || generation != self->generation_) {
                                 return;
                             }
                             QList<OutlineLine> lines;
                             for (const QVariant& block : answer.toList()) {
                                 const QVariantList parts = block.toList();
                                 lines << OutlineLine{parts.value(0).toString(),
                                                      parts.value(1).toString(),
                                                      parts.value(2).toInt()};
                             }
                             self->entries_ = DocumentOutline::build(lines);
                             Q_EMIT self->outlineChanged();
                         });
}

void PageOutline::goTo(const OutlineEntry& entry) {
    const int generation = generation_;
    const int block = entry.block;
    QPointer<PageOutline> self(this);
    page_->runJavaScript(script() + QStringLiteral("\n;corvanelOutline.go(%1)").arg(block), kWorld,
                         [self, generation, block](const QVariant& went) {
                             if (self && generation == self->generation_ && went.toBool()) {
                                 Q_EMIT self->wentTo(block);
                             }
                         });
}

}  // namespace corvanel
