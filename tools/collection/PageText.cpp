#include "PageText.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>
#include <libxml/xmlerror.h>

#include <limits>
#include <memory>
#include <string_view>
#include <unordered_set>
#include <utility>

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
    // Iterative: the parser takes pages nested thousands of levels deep,
    // which a recursive walk would pay for in stack.
    void walk(const xmlNode* node) {
        if (node == nullptr) {
            return;
        }
        const xmlNode* const top = node->parent;
        while (node != nullptr) {
            if (open(node)) {
                if (node->children != nullptr) {
                    node = node->children;
                    continue;
                }
                close(node);
            }
            while (node->next == nullptr) {
                node = node->parent;
                if (node == top) {
                    return;
                }
                close(node);
            }
            node = node->next;
        }
    }

    QString result() && { return std::move(text_); }

private:
    // Takes a node's text or starts an element; true when the element's
    // children are to be walked and close() called after them.
    bool open(const xmlNode* node) {
        if (node->type == XML_TEXT_NODE || node->type == XML_CDATA_SECTION_NODE) {
            addText(reinterpret_cast<const char*>(node->content));
            return false;
        }
        if (node->type != XML_ELEMENT_NODE) {
            return false;
        }
        const std::string_view name = nameOf(node);
        if (kHidden.contains(name)) {
            return false;
        }
        if (name == "br"sv) {
            lineBreak();
            return false;
        }
        edge(name);
        preDepth_ += name == "pre"sv ? 1 : 0;
        return true;
    }

    void close(const xmlNode* element) {
        const std::string_view name = nameOf(element);
        preDepth_ -= name == "pre"sv ? 1 : 0;
        edge(name);
    }

    // What starts and ends an element: blocks stand on lines of their own,
    // cells are set apart by a blank.
    void edge(std::string_view name) {
        if (kBlocks.contains(name)) {
            lineBreak();
        } else if (name == "td"sv || name == "th"sv) {
            blank();
        }
    }

    static std::string_view nameOf(const xmlNode* element) {
        return reinterpret_cast<const char*>(element->name);
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

struct ContextDeleter {
    void operator()(htmlParserCtxt* context) const { htmlFreeParserCtxt(context); }
};

// The first error that stopped the parser. libxml2 reports encoding faults
// without a parser context, so only the thread's handler sees them all;
// it is ours for the length of one parse.
class StopRecorder {
public:
    StopRecorder()
        : previousHandler_(xmlStructuredError), previousData_(xmlStructuredErrorContext) {
        xmlSetStructuredErrorFunc(this, &StopRecorder::record);
    }
    ~StopRecorder() { xmlSetStructuredErrorFunc(previousData_, previousHandler_); }
    StopRecorder(const StopRecorder&) = delete;
    StopRecorder& operator=(const StopRecorder&) = delete;

    bool stopped() const { return stopped_; }
    int domain() const { return domain_; }
    int code() const { return code_; }
    const QByteArray& message() const { return message_; }

private:
    static void record(void* data, xmlError* error) {
        auto* self = static_cast<StopRecorder*>(data);
        if (error == nullptr || error->level != XML_ERR_FATAL || self->stopped_) {
            return;
        }
        self->stopped_ = true;
        self->domain_ = error->domain;
        self->code_ = error->code;
        self->message_ = QByteArray(error->message != nullptr ? error->message : "").trimmed();
    }

    xmlStructuredErrorFunc previousHandler_;
    void* previousData_;
    bool stopped_ = false;
    int domain_ = 0;
    int code_ = 0;
    QByteArray message_;
};

// Bytes the parser never turned into text: it stops converting at the first
// byte the page's declared encoding does not have.
qsizetype unconvertedBytes(const htmlParserCtxt& context) {
    const xmlParserInput* input = context.input;
    if (input == nullptr || input->buf == nullptr || input->buf->raw == nullptr) {
        return 0;
    }
    return static_cast<qsizetype>(xmlBufUse(input->buf->raw));
}

QString encodingOf(const htmlParserCtxt& context) {
    if (context.input != nullptr && context.input->encoding != nullptr) {
        return QString::fromUtf8(reinterpret_cast<const char*>(context.input->encoding));
    }
    if (context.encoding != nullptr) {
        return QString::fromUtf8(reinterpret_cast<const char*>(context.encoding));
    }
    return {};
}

QString undecodableByte(const QByteArray& html, qsizetype unconverted, const QString& encoding) {
    const QString declared =
        encoding.isEmpty()
            ? QStringLiteral("na codificação declarada pela página")
            : QStringLiteral("na codificação \"%1\" declarada pela página").arg(encoding);
    const qsizetype offset = html.size() - unconverted;
    if (offset < 0 || offset >= html.size()) {
        return u"há bytes que não valem " + declared;
    }
    const auto byte = static_cast<unsigned char>(html.at(offset));
    return QStringLiteral("o byte 0x%1 da linha %2 não vale %3")
        .arg(QString::number(byte, 16).toUpper().rightJustified(2, u'0'))
        .arg(html.first(offset).count('\n') + 1)
        .arg(declared);
}

// libxml2's messages are English; the publisher reads Portuguese.
QString stopReason(const StopRecorder& stop) {
    const QByteArray& message = stop.message();
    if (stop.domain() == XML_FROM_I18N || stop.code() == XML_IO_ENCODER) {
        return QStringLiteral("há bytes que não valem na codificação declarada pela página");
    }
    if (message.contains("depth")) {
        return QStringLiteral("elementos aninhados em profundidade demais");
    }
    if (message.contains("huge")) {
        return QStringLiteral("um trecho de texto grande demais");
    }
    if (stop.code() == XML_ERR_NO_MEMORY) {
        return QStringLiteral("memória insuficiente");
    }
    if (!message.isEmpty()) {
        return QStringLiteral("o analisador de HTML parou (%1)").arg(QString::fromUtf8(message));
    }
    return QStringLiteral("o analisador de HTML parou");
}

}  // namespace

PageTextError::PageTextError(const QString& reason)
    : std::runtime_error(reason.toStdString()), reason_(reason) {}

QString pageText(const QByteArray& html) {
    if (html.isEmpty()) {
        return {};
    }
    if (html.size() > std::numeric_limits<int>::max()) {
        throw PageTextError(QStringLiteral("a página passa de 2 GB"));
    }
    const std::unique_ptr<htmlParserCtxt, ContextDeleter> context(
        htmlCreateMemoryParserCtxt(html.constData(), static_cast<int>(html.size())));
    if (!context) {
        throw PageTextError(QStringLiteral("memória insuficiente"));
    }
    // No encoding is forced: libxml2 follows the page's <meta> charset and,
    // as htmlReadMemory does, takes the bytes for UTF-8 until one is not, then
    // reads the page as ISO-8859-1 (windows-1252 below). HUGE lifts the limits
    // on depth and on the size of a text node that would otherwise end the
    // text early.
    context->charset = XML_CHAR_ENCODING_UTF8;
    htmlCtxtUseOptions(context.get(), HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING |
                                          HTML_PARSE_RECOVER | HTML_PARSE_NONET | XML_PARSE_HUGE);
    StopRecorder stop;
    htmlParseDocument(context.get());
    const std::unique_ptr<xmlDoc, DocumentDeleter> document(std::exchange(context->myDoc, nullptr));
    const qsizetype unconverted = unconvertedBytes(*context);
    if (unconverted > 0) {
        throw PageTextError(undecodableByte(html, unconverted, encodingOf(*context)));
    }
    if (!document || stop.stopped() || context->disableSAX != 0) {
        throw PageTextError(stopReason(stop));
    }
    TextCollector collector;
    collector.walk(document->children);
    return std::move(collector).result();
}

}  // namespace corvanel::collection
