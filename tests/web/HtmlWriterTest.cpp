#include "HtmlWriter.h"

#include "TestCollection.h"

#include <gtest/gtest.h>

namespace corvanel::testing {
namespace {

using namespace Qt::Literals::StringLiterals;

// The plain rule, one character after another ("&" first).
QString escapedByReplacing(QString text) {
    return text.replace(u'&', u"&amp;"_s)
        .replace(u'<', u"&lt;"_s)
        .replace(u'>', u"&gt;"_s)
        .replace(u'"', u"&quot;"_s)
        .replace(u'\'', u"&#39;"_s)
        .replace(QChar(0), QChar(QChar::ReplacementCharacter));
}

// Text and attribute values are escaped as the plain rule escapes them,
// wherever the characters to escape stand.
TEST(HtmlWriter, EscapesTextAndValuesAsThePlainRule) {
    const QString texts[] = {
        u" "_s,
        u"criança"_s,
        u"<script>alert('x')</script>"_s,
        u"&&&"_s,
        u"a\"b'c<d>e&f"_s,
        u"<"_s,
        u"fim>"_s,
        QStringView(u"nul\0no meio", 11).toString(),
        u"Ação \"civil\" & <pública>"_s,
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        web::HtmlWriter w;
        w.element("p"_L1, text, {{"title"_L1, text}});
        const QString escaped = escapedByReplacing(text);
        EXPECT_EQ(w.html(), u"<p title=\""_s + escaped + u"\">"_s + escaped + u"</p>"_s);
    }
    // A null value leaves its attribute out.
    web::HtmlWriter w;
    w.empty("input"_L1, {{"placeholder"_L1, QString()}, {"name"_L1, u"q"_s}});
    EXPECT_EQ(w.html(), u"<input name=\"q\">"_s);
}

}  // namespace
}  // namespace corvanel::testing
