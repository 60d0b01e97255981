#pragma once

#include <QCoreApplication>

namespace corvanel::bench {

// Before the application exists: the offscreen platform unless another is
// asked for, and a page engine that starts as root, as in the tests.
inline void preparePageEngine() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

}  // namespace corvanel::bench
