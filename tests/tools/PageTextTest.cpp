#include "PageText.h"

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel::collection {
namespace {

QString text(const char* html) {
    return pageText(QByteArray(html));
}

TEST(PageText, DecodesEntities) {
    EXPECT_EQ(text("<p>A&ccedil;&atilde;o &amp; &lt;b&gt; &#233;&#xE9; &euro;&nbsp;fim</p>"),
              QStringLiteral("Ação & <b> éé € fim"));
    // Browsers read references to 128-159 as windows-1252.
    EXPECT_EQ(text("<p>a &#150; &#147;b&#148;</p>"), QStringLiteral("a – “b”"));
}

TEST(PageText, BlocksBreaksAndRowsMakeLinesAndInlineTagsDoNot) {
    EXPECT_EQ(text("<body><h1>Título</h1><p>Primeiro <b>pará</b><i>grafo</i></p>"
                   "<div><p><span>dentro <em>de <a href='x'>vários</a></em></span></p></div>"
                   "<ul><li>um</li><li>dois</li></ul>"
                   "<table><tr><td>a</td><td>b</td></tr><tr><th>c</th><td>d</td></tr></table>"
                   "linha<br>outra<BR/>fim</body>"),
              QStringLiteral("Título\nPrimeiro parágrafo\ndentro de vários\num\ndois\na b\nc d\n"
                             "linha\noutra\nfim"));
}

TEST(PageText, CollapsesBlanksAndLeavesNoBlankLines) {
    EXPECT_EQ(text("\n  <p>\n  a \t\n   b  </p>\n<p> </p><br><br>\n<p>c</p>\n<br>  "),
              QStringLiteral("a b\nc"));
    EXPECT_EQ(text("<pre>um\n\n  dois</pre>"), QStringLiteral("um\ndois"));
    EXPECT_EQ(text(""), QString());
}

TEST(PageText, DropsWhatTheReaderDoesNotSee) {
    EXPECT_EQ(text("<html><head><title>Janela</title><style>p { color: red }</style>"
                   "<script>var a = '<p>não</p>';</script></head>"
                   "<body><!-- nota --><p>sim<script>if (a < b) document.write('x');</script>"
                   "</p><noscript>sem scripts</noscript><style>.x{}</style></body></html>"),
              QStringLiteral("sim"));
}

TEST(PageText, RecoversFromMalformedMarkup) {
    EXPECT_EQ(text("<p>um<p>dois<li>três</b> <div>quatro"),
              QStringLiteral("um\ndois\ntrês\nquatro"));
}

TEST(PageText, HonoursTheDeclaredCharset) {
    // "Ação “ECA” €" in windows-1252 bytes.
    const char* const latinBody =
        "<body><p>A\xe7\xe3o \x93"
        "ECA\x94 \x80</p></body></html>";
    const QString expected = QStringLiteral("Ação “ECA” €");

    EXPECT_EQ(pageText(QByteArray("<html><head><meta http-equiv=\"Content-Type\" "
                                  "content=\"text/html; charset=windows-1252\"></head>") +
                       latinBody),
              expected);
    // Browsers read ISO-8859-1 pages as windows-1252, quotes and euro included.
    EXPECT_EQ(pageText(QByteArray("<html><head><meta http-equiv=\"Content-Type\" "
                                  "content=\"text/html; charset=iso-8859-1\"></head>") +
                       latinBody),
              expected);
    EXPECT_EQ(
        pageText(QByteArray("<html><head><meta charset=\"windows-1252\"></head>") + latinBody),
        expected);
    EXPECT_EQ(pageText(QByteArray("<html>") + latinBody), expected) << "undeclared, not UTF-8";

    EXPECT_EQ(pageText(QByteArray("<html><head><meta charset=\"utf-8\"></head><body><p>") +
                       expected.toUtf8() + "</p></body></html>"),
              expected);
    EXPECT_EQ(pageText("<p>" + expected.toUtf8() + "</p>"), expected) << "undeclared UTF-8";
}

TEST(PageText, ReadsDeepAndHugePagesToTheirLastWord) {
    QByteArray huge = "<p>";
    for (int i = 0; i < 1'500'000; ++i) {
        huge += "palavra ";
    }
    huge += "derradeira</p>";
    const QString hugeText = pageText(huge);
    EXPECT_EQ(hugeText.size(), 1'500'000 * 8 + 10);
    EXPECT_TRUE(hugeText.endsWith(u"palavra derradeira"));

    // Deeper than any parser limit: the whole text or an error, never a
    // text cut short, and no stack overflow on the way.
    QByteArray deep;
    for (int i = 0; i < 100'000; ++i) {
        deep += "<font><b>";
    }
    deep += "fundo";
    try {
        EXPECT_EQ(pageText(deep), QStringLiteral("fundo"));
    } catch (const PageTextError& error) {
        EXPECT_TRUE(error.reason().contains(u"profundidade")) << qPrintable(error.reason());
    }
}

TEST(PageText, StopsWhereAByteIsNotInTheDeclaredEncoding) {
    // 0x81 has no character in windows-1252; the parser gives up there.
    try {
        pageText(
            "<html><head><meta charset=\"windows-1252\"></head><body><p>um</p>\n"
            "<p>dois</p>\n<p>A\x81\xe3o</p><p>fim</p></body></html>");
        ADD_FAILURE() << "the text was cut at the undecodable byte";
    } catch (const PageTextError& error) {
        EXPECT_EQ(error.reason(), QStringLiteral("o byte 0x81 da linha 3 não vale na codificação "
                                                 "\"windows-1252\" declarada pela página"));
    }
}

}  // namespace
}  // namespace corvanel::collection
