#include "HtmlWriter.h"

namespace corvanel::web {

namespace {

// What a character is written as in text and attribute values; null for
// itself. A NUL would end the text early in some readers.
QStringView entityOf(QChar c) {
    switch (c.unicode()) {
        case u'&':
            return u"&amp;";
        case u'<':
            return u"&lt;";
        case u'>':
            return u"&gt;";
        case u'"':
            return u"&quot;";
        case u'\'':
            return u"&#39;";
        case 0:
            return u"\uFFFD";
        default:
            return {};
    }
}

}  // namespace

void HtmlWriter::appendEscaped(QString& out, QStringView text) {
    // Runs of plain characters are copied whole: most text has none to escape.
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (const QStringView entity = entityOf(text[i]); !entity.isNull()) {
            out += text.sliced(plainFrom, i - plainFrom);
            out += entity;
            plainFrom = i + 1;
        }
    }
    out += text.sliced(plainFrom);
}

void HtmlWriter::writeAttributes(std::initializer_list<Attribute> attributes) {
    for (const auto& [name, value] : attributes) {
        if (value.isNull()) {
            continue;
        }
        html_ += u' ';
        html_ += name;
        html_ += u"=\"";
        appendEscaped(html_, value);
        html_ += u'"';
    }
}

void HtmlWriter::open(QLatin1StringView tag, std::initializer_list<Attribute> attributes) {
    html_ += u'<';
    html_ += tag;
    writeAttributes(attributes);
    html_ += u'>';
}

void HtmlWriter::empty(QLatin1StringView tag, std::initializer_list<Attribute> attributes) {
    open(tag, attributes);
}

void HtmlWriter::close(QLatin1StringView tag) {
    html_ += u"</";
    html_ += tag;
    html_ += u'>';
}

void HtmlWriter::text(QStringView text) {
    appendEscaped(html_, text);
}

void HtmlWriter::element(QLatin1StringView tag, QStringView text,
                         std::initializer_list<Attribute> attributes) {
    open(tag, attributes);
    this->text(text);
    close(tag);
}

}  // namespace corvanel::web
