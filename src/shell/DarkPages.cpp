#include "DarkPages.h"

#include "UserSettings.h"

#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>

namespace corvanel::DarkPages {

namespace {

const QString kKey = QStringLiteral("aparencia/paginasEscuras");
const QString kScriptName = QStringLiteral("corvanel-paginas-escuras");

bool current = false;

// Adds (or takes away) one style of ours; the page's own are left as they
// are. Run in the program's own script world.
QString styleScript(bool dark) {
    return QStringLiteral(R"((function () {
    const id = 'corvanel-paginas-escuras';
    const old = document.getElementById(id);
    if (old) { old.remove(); }
    if (!%1 || !document.documentElement) { return; }
    const style = document.createElement('style');
    style.id = id;
    style.textContent = 'html { filter: invert(0.9) hue-rotate(180deg); background: #fff; }' +
        ' img, video, picture, svg, object, embed, iframe' +
        ' { filter: invert(1) hue-rotate(180deg); }';
    (document.head || document.documentElement).appendChild(style);
})();)")
        .arg(dark ? QStringLiteral("true") : QStringLiteral("false"));
}

}  // namespace

bool enabled() {
    return current;
}

void setEnabled(bool dark) {
    current = dark;
    QWebEngineScriptCollection& scripts = *QWebEngineProfile::defaultProfile()->scripts();
    for (const QWebEngineScript& script : scripts.find(kScriptName)) {
        scripts.remove(script);
    }
    if (dark) {
        QWebEngineScript script;
        script.setName(kScriptName);
        script.setWorldId(QWebEngineScript::ApplicationWorld);
        script.setInjectionPoint(QWebEngineScript::DocumentReady);
        script.setRunsOnSubFrames(true);
        script.setSourceCode(styleScript(true));
        scripts.insert(script);
    }
    for (QWidget* widget : QApplication::allWidgets()) {
        if (auto* view = qobject_cast<QWebEngineView*>(widget)) {
            view->page()->runJavaScript(styleScript(dark), QWebEngineScript::ApplicationWorld);
        }
    }
    UserSettings settings;
    settings.raw().setValue(kKey, dark);
    settings.sync();
}

void applyStored() {
    if (UserSettings().raw().value(kKey, false).toBool()) {
        setEnabled(true);
    }
}

}  // namespace corvanel::DarkPages
