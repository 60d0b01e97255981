#include "RuntimeFolderNotice.h"

#include <QString>
#include <QtGlobal>

namespace corvanel::cli {

namespace {

QtMessageHandler previousHandler = nullptr;

void dropRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context,
                             const QString& message) {
    if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set")) {
        return;
    }
    if (previousHandler != nullptr) {
        previousHandler(type, context, message);
    }
}

}  // namespace

RuntimeFolderNoticeFilter::RuntimeFolderNoticeFilter() {
    previousHandler = qInstallMessageHandler(dropRuntimeFolderNotice);
}

RuntimeFolderNoticeFilter::~RuntimeFolderNoticeFilter() {
    qInstallMessageHandler(previousHandler);
    previousHandler = nullptr;
}

}  // namespace corvanel::cli
