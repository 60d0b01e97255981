#include "HtmlWriter.h"

namespace corvanel::web {

QString HtmlWriter::escaped(QStringView text) {
    QString out;
    out.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
            case u'&':
                out += u"&amp;";
                break;
            case u'<':
                out += u"&lt;";
                break;
            case u'>':
                out += u"&gt;";
                break;
            case u'"':
                out += u"&quot;";
                break;
            case u'\'':
                out += u"&#39;";
                break;
            case 0:
                out += QChar::ReplacementCharacter;
                break;
            default:
                out += c;
        }
    }
    return out;
}

void HtmlWriter::writeAttributes(std::initializer_list<Attribute> attributes) {
    for (const auto& [name, value] : attributes) {
        html_ += u' ';
        html_ += name;
        html_ += u"=\"";
        html_ += escaped(value);
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
    html_ += escaped(text);
}

void HtmlWriter::element(QLatin1StringView tag, QStringView text,
                         std::initializer_list<Attribute> attributes) {
    open(tag, attributes);
    this->text(text);
    close(tag);
}

}  // namespace corvanel::web
