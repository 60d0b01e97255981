#pragma once

#include "PageBrowser.h"

#include <QBuffer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSignalSpy>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace corvanel::testing {

inline constexpr int kPageTimeoutMs = 20000;

inline QByteArray pngPicture() {
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

// A collection's folder of pages with an accent, a blank and a quote in its path, in a
// temporary folder that also holds files outside the collection.
class PageFolder {
public:
    PageFolder() { QDir(dir_.path()).mkpath(QStringLiteral("Coleção d'Água/textos")); }

    QString root() const { return dir_.path() + QStringLiteral("/Coleção d'Água/"); }

    // A page, or any file, under textos/.
    void write(const QString& page, const QByteArray& contents) const {
        writeFile(root() + QStringLiteral("textos/") + page, contents);
    }

    // A file next to the collection's folder, outside it.
    QString writeOutside(const QString& name, const QByteArray& contents) const {
        const QString path = dir_.filePath(name);
        writeFile(path, contents);
        return path;
    }

    static void writeFile(const QString& path, const QByteArray& contents) {
        QDir().mkpath(path.section(u'/', 0, -2));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(contents);
    }

private:
    QTemporaryDir dir_;
};

// Waits until the page's title starts with prefix.
inline QString titleOnceItStartsWith(PageBrowser& browser, const QString& prefix) {
    QSignalSpy titles(&browser, &QWebEngineView::titleChanged);
    while (!browser.title().startsWith(prefix) && titles.wait(kPageTimeoutMs)) {
    }
    return browser.title();
}

// A page whose scripts try to read files; its title reports what each got,
// by name, in the order of the names.
inline QByteArray readingPage(const QString& attempts, int count) {
    return "<!DOCTYPE html><html><head><meta charset='utf-8'><script>"
           "var lidos = {};"
           "function anotar(nome, valor) { lidos[nome] = valor;"
           "  if (Object.keys(lidos).length == " +
           QByteArray::number(count) +
           ")"
           "    document.title = 'Leitura ' + Object.keys(lidos).sort().map("
           "      function (k) { return k + ':' + lidos[k]; }).join(' '); }"
           "function porXhr(nome, url) { var x = new XMLHttpRequest();"
           "  try { x.open('GET', url);"
           "    x.onload = function () { anotar(nome, x.responseText.trim() || 'vazio'); };"
           "    x.onerror = function () { anotar(nome, 'falhou'); }; x.send();"
           "  } catch (e) { anotar(nome, 'falhou'); } }"
           "function porFetch(nome, url) { fetch(url).then(function (r) { return r.text(); })"
           "  .then(function (t) { anotar(nome, t.trim() || 'vazio'); },"
           "        function () { anotar(nome, 'falhou'); }); }"
           "function porImagem(nome, url) { var i = new Image();"
           "  i.onload = function () { anotar(nome, 'carregada'); };"
           "  i.onerror = function () { anotar(nome, 'bloqueada'); }; i.src = url; }"
           // A frame refused never loads: after espera ms it counts as such.
           "function porQuadro(nome, url, espera) { var q = document.createElement('iframe');"
           "  q.onload = function () { try { anotar(nome,"
           "    q.contentDocument.body.textContent.trim() || 'vazio'); }"
           "    catch (e) { anotar(nome, 'falhou'); } };"
           "  if (espera) setTimeout(function () {"
           "    if (!(nome in lidos)) anotar(nome, 'semCarga'); }, espera);"
           "  q.src = url; document.body.appendChild(q); }"
           // A worker of the collection, and one the page makes up, each
           // asked to fetch.
           "function pedirAoWorker(nome, w, url) {"
           "  w.onmessage = function (e) { anotar(nome, e.data); };"
           "  w.onerror = function () { anotar(nome, 'semWorker'); };"
           "  w.postMessage(new URL(url, location.href).href); }"
           "var buscador = \"onmessage = function (e) { fetch(e.data)"
           "  .then(function (r) { return r.text(); })"
           "  .then(function (t) { postMessage(t.trim() || 'vazio'); },"
           "        function () { postMessage('falhou'); }); };\";"
           "function porWorker(nome, url) { pedirAoWorker(nome, new Worker('buscador.js'), url); }"
           "function porBlob(nome, url) { pedirAoWorker(nome,"
           "  new Worker(URL.createObjectURL(new Blob([buscador]))), url); }"
           "</script></head><body><script>" +
           attempts.toUtf8() + "</script></body></html>";
}

// Stands in for the user's own programs: records every address handed to
// the desktop in the schemes it stands for.
class UserBrowser final : public QObject {
    Q_OBJECT

public:
    explicit UserBrowser(const QStringList& schemes = {QStringLiteral("http"),
                                                       QStringLiteral("https")})
        : schemes_(schemes) {
        for (const QString& scheme : schemes_) {
            QDesktopServices::setUrlHandler(scheme, this, "open");
        }
    }
    ~UserBrowser() override {
        for (const QString& scheme : schemes_) {
            QDesktopServices::unsetUrlHandler(scheme);
        }
    }

public Q_SLOTS:
    void open(const QUrl& url) { Q_EMIT opened(url); }

Q_SIGNALS:
    void opened(const QUrl& url);

private:
    QStringList schemes_;
};

}  // namespace corvanel::testing
