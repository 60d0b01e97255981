#include "PagePdf.h"

#include "PageCopy.h"

#include <QMarginsF>
#include <QPageSize>
#include <QPointer>
#include <QWebEngineView>

namespace corvanel::PagePdf {

QPageLayout a4Layout() {
    return {QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
            QPageLayout::Millimeter};
}

void write(QWebEngineView& view, const QString& path,
           std::function<void(const QString& problem)> done) {
    QPointer<QWebEngineView> alive(&view);
    view.printToPdf(
        [alive, path, done = std::move(done)](const QByteArray& pdf) {
            if (!alive) {
                return;
            }
            if (pdf.isEmpty()) {
                done(QStringLiteral("Não foi possível gerar o PDF da página. Nada foi salvo."));
                return;
            }
            try {
                PageCopy::writeWhole(path, pdf);
                done(QString());
            } catch (const SaveFailed& failure) {
                done(QString::fromUtf8(failure.what()));
            }
        },
        a4Layout());
}

}  // namespace corvanel::PagePdf
