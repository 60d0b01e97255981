#include "HtmlWriter.h"

#include <cstdint>

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

// Whether entityOf(c) is not null, without a branch: most characters are
// not, and a branch per character mispredicts on every blank and digit.
bool isEscaped(QChar c) {
    constexpr std::uint64_t kEscaped = (std::uint64_t{1} << u'&') | (std::uint64_t{1} << u'<') |
                                       (std::uint64_t{1} << u'>') | (std::uint64_t{1} << u'"') |
                                       (std::uint64_t{1} << u'\'') | std::uint64_t{1};
    const char16_t code = c.unicode();
    return (static_cast<unsigned>(code < 64) & static_cast<unsigned>(kEscaped >> (code & 63u))) !=
           0;
}

}  // namespace

void HtmlWriter::appendEscaped(QString& out, QStringView text) {
    // Runs of plain characters are copied whole: most text has none to escape.
    qsizetype plainFrom = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isEscaped(text[i])) {
            out += text.sliced(plainFrom, i - plainFrom);
            out += entityOf(text[i]);
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
