#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <initializer_list>
#include <utility>

namespace corvanel::web {

// An attribute of an element: its name is our own literal, its value any
// text, escaped when written; a null value leaves the attribute out.
using Attribute = std::pair<QLatin1StringView, QString>;

// The one way the site writes HTML. Tag and attribute names are literals of
// ours; every text and every attribute value goes through escaping, so no
// page can forget it. Elements are closed in order by close().
class HtmlWriter {
public:
    // Room for a page of rows from the start, so it grows once or never.
    HtmlWriter() { html_.reserve(qsizetype{48} * 1024); }

    void open(QLatin1StringView tag, std::initializer_list<Attribute> attributes = {});
    // An element without content (<meta>, <input>, <br>).
    void empty(QLatin1StringView tag, std::initializer_list<Attribute> attributes = {});
    void close(QLatin1StringView tag);
    void text(QStringView text);
    void text(const QString& text) { this->text(QStringView(text)); }
    // open, text, close.
    void element(QLatin1StringView tag, QStringView text,
                 std::initializer_list<Attribute> attributes = {});
    void element(QLatin1StringView tag, const QString& text,
                 std::initializer_list<Attribute> attributes = {}) {
        element(tag, QStringView(text), attributes);
    }
    // Markup written by the program itself (the style sheet, the doctype):
    // only literals, never a value from a request or the collection.
    template <std::size_t N>
    void literal(const char (&markup)[N]) {
        html_ += QLatin1StringView(markup, N - 1);
    }

    const QString& html() const { return html_; }
    QByteArray utf8() const { return html_.toUtf8(); }

private:
    static void appendEscaped(QString& out, QStringView text);
    void writeAttributes(std::initializer_list<Attribute> attributes);

    QString html_;
};

}  // namespace corvanel::web
