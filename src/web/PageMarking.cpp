#include "PageMarking.h"

#include "HtmlWriter.h"
#include "PageFolding.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>
#include <QStringDecoder>

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

// Starts the viewer's marking once the page is read: every occurrence, the
// one the passage tells (or the first) scrolled into sight.
constexpr char kStartMarking[] = R"js(
(function () {
    'use strict';
    var data = document.currentScript.dataset;
    function run() {
        var needles = JSON.parse(data.agulhas);
        var table = JSON.parse(data.tabela);
        var near = JSON.parse(data.perto)[0];
        window.corvanelMarks.mark(1, table, needles, false, true, near, data.inteira === '1');
        window.corvanelMarks.more(1, Infinity, Infinity);
    }
    if (document.readyState === 'loading') {
        document.addEventListener('DOMContentLoaded', run);
    } else {
        run();
    }
})();
)js";

// JSON in ASCII only, so it reads the same whatever charset the page declares.
QString asciiJson(const QJsonDocument& document) {
    const QString json = QString::fromUtf8(document.toJson(QJsonDocument::Compact));
    QString ascii;
    ascii.reserve(json.size());
    for (const QChar c : json) {
        if (c.unicode() < 0x80) {
            ascii += c;
        } else {
            ascii += u"\\u"_s + QString::number(c.unicode(), 16).rightJustified(4, u'0');
        }
    }
    return ascii;
}

// The characters past ASCII the page is written with, each once.
QString charactersOf(const QByteArray& page) {
    QStringDecoder decoder(QStringDecoder::encodingForHtml(page).value_or(QStringDecoder::Utf8));
    const QString text = decoder.decode(page);
    QSet<char32_t> seen;
    QString characters;
    for (const char32_t code : text.toUcs4()) {
        if (code >= 0x80 && !seen.contains(code)) {
            seen.insert(code);
            characters += QString::fromUcs4(&code, 1);
        }
    }
    return characters;
}

}  // namespace

QByteArray PageMarking::marked(const QByteArray& page, const PageMarks& marks) {
    const QStringList needles = PageFolding::needles(marks.words.split(u'\n', Qt::SkipEmptyParts));
    if (needles.isEmpty()) {
        return page;
    }
    // The page's own characters: the file is at hand, so none is missing.
    const QJsonObject table = PageFolding::foldingTable(charactersOf(page));
    HtmlWriter w;
    w.open("script"_L1, {{"src"_L1, u"/recursos/PageText.js"_s}});
    w.close("script"_L1);
    w.open("script"_L1, {{"src"_L1, u"/recursos/PageMarks.js"_s}});
    w.close("script"_L1);
    w.open("script"_L1,
           {{"src"_L1, u"/recursos/marcar.js"_s},
            {"data-agulhas"_L1, asciiJson(QJsonDocument(QJsonArray::fromStringList(needles)))},
            {"data-tabela"_L1, asciiJson(QJsonDocument(table))},
            // The page folds as the words are folded.
            {"data-perto"_L1,
             asciiJson(QJsonDocument(QJsonArray{PageFolding::needles({marks.near}).value(0)}))},
            {"data-inteira"_L1, marks.wholeWords ? u"1"_s : u"0"_s}});
    w.close("script"_L1);
    const QByteArray scripts = w.html().toLatin1();
    const qsizetype bodyEnd = page.toLower().lastIndexOf("</body");
    QByteArray result = page;
    if (bodyEnd < 0) {
        result.append(scripts);
    } else {
        result.insert(bodyEnd, scripts);
    }
    return result;
}

QByteArray PageMarking::script(const QString& name) {
    if (name == u"marcar.js") {
        return kStartMarking;
    }
    QFile file(u":/web/"_s + name);
    if (name.contains(u'/') || !file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

}  // namespace corvanel::web
