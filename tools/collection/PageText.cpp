#include "PageText.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <memory>
#include <string_view>
#include <unordered_set>

namespace corvanel::collection {

namespace {

using namespace std::string_view_literals;

// Elements whose contents a reader never sees on the page.
const std::unordered_set<std::string_view> kHidden{
    "head"sv,     "title"sv,    "script"sv, "style"sv,  "noscript"sv,
    "template"sv, "noframes"sv, "iframe"sv, "object"sv,
};

// Elements that stand on lines of their own.
const std::unordered_set<std::string_view> kBlocks{
    "address"sv,  "article"sv,    "aside"sv,  "blockquote"sv, "body"sv,    "caption"sv, "center"sv,
    "dd"sv,       "details"sv,    "dialog"sv, "dir"sv,        "div"sv,     "dl"sv,      "dt"sv,
    "fieldset"sv, "figcaption"sv, "figure"sv, "footer"sv,     "form"sv,    "h1"sv,      "h2"sv,
    "h3"sv,       "h4"sv,         "h5"sv,     "h6"sv,         "header"sv,  "hgroup"sv,  "hr"sv,
    "html"sv,     "legend"sv,     "li"sv,     "main"sv,       "menu"sv,    "nav"sv,     "ol"sv,
    "option"sv,   "p"sv,          "pre"sv,    "section"sv,    "summary"sv, "table"sv,   "tbody"sv,
    "tfoot"sv,    "thead"sv,      "tr"sv,     "ul"sv,
};

// Bytes 0x80-0x9F of windows-1252. Browsers read pages labelled ISO-8859-1
// (and numeric references such as &#150;) this way, so libxml2's C1 control
// characters are turned into what the reader sees; 0 marks the five bytes
// windows-1252 leaves undefined.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

class TextCollector {
public:
    void walk(const xmlNode* node) {
        for (; node != nullptr; node = node->next) {
            if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
                addText(reinterpret_cast<const char*>(node->content));
            } else if (node->type == XML_ELEMENT_NODE) {
                walkElement(node);
            }
        }
    }

    QString result() && { return std::move(text_); }

private:
    void walkElement(const xmlNode* element) {
        const std::string_view name(reinterpret_cast<const char*>(element->name));
        if (kHidden.contains(name)) {
            return;
        }
        if (name == "br"sv) {
            lineBreak();
            return;
        }
        const bool block = kBlocks.contains(name);
        const bool cell = name == "td"sv || name == "th"sv;
        const bool pre = name == "pre"sv;
        if (block) {
            lineBreak();
        } else if (cell) {
            blank();
        }
        preDepth_ += pre ? 1 : 0;
        walk(element->children);
        preDepth_ -= pre ? 1 : 0;
        if (block) {
            lineBreak();
        } else if (cell) {
            blank();
        }
    }

    void addText(const char* utf8) {
        if (utf8 == nullptr) {
            return;
        }
        for (QChar c : QString::fromUtf8(utf8)) {
            if (c.unicode() >= 0x80 && c.unicode() <= 0x9F) {
                c = QChar(kWindows1252High[c.unicode() - 0x80]);
                if (c.isNull()) {
                    continue;
                }
            }
            if (c == u'\n' && preDepth_ > 0) {
                lineBreak();
            } else if (c.isSpace()) {
                blank();
            } else if (c == QChar(0x00AD) || c == QChar(0x200B) || c == QChar(0xFEFF)) {
                // soft hyphen, zero-width space, byte order mark: invisible
            } else {
                put(c);
            }
        }
    }

    // Breaks and blanks are held back until the next visible character, so
    // none ever starts or ends the text or a line, and runs collapse.
    void lineBreak() {
        pendingBreak_ = true;
        pendingBlank_ = false;
    }

    void blank() {
        if (!pendingBreak_) {
            pendingBlank_ = true;
        }
    }

    void put(QChar c) {
        if (!text_.isEmpty()) {
            if (pendingBreak_) {
                text_ += u'\n';
            } else if (pendingBlank_) {
                text_ += u' ';
            }
        }
        pendingBreak_ = false;
        pendingBlank_ = false;
        text_ += c;
    }

    QString text_;
    bool pendingBreak_ = false;
    bool pendingBlank_ = false;
    int preDepth_ = 0;
};

struct DocumentDeleter {
    void operator()(xmlDoc* document) const { xmlFreeDoc(document); }
};

}  // namespace

QString pageText(const QByteArray& html) {
    if (html.isEmpty()) {
        return {};
    }
    // No encoding is forced: libxml2 follows the page's <meta> charset and
    // falls back to ISO-8859-1 (windows-1252 below) when the bytes are not UTF-8.
    const std::unique_ptr<xmlDoc, DocumentDeleter> document(htmlReadMemory(
        html.constData(), static_cast<int>(html.size()), nullptr, nullptr,
        HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_RECOVER | HTML_PARSE_NONET));
    if (!document) {
        return {};
    }
    TextCollector collector;
    collector.walk(document->children);
    return std::move(collector).result();
}

}  // namespace corvanel::collection
