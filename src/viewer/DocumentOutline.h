#pragma once

#include <QList>
#include <QString>

#include <optional>

namespace corvanel {

// One block of a page as the outline reads it: its first line, the line
// after it (in the block, or the next block's first), and its heading level
// (1 to 6 for H1..H6, 0 for any other block).
struct OutlineLine {
    QString text;
    QString next;
    int headingLevel = 0;
};

// What a line of the outline is. A statute's divisions nest in this order.
enum class OutlineKind { Heading, Livro, Titulo, Capitulo, Secao, Subsecao, Artigo };

struct OutlineEntry {
    int block = 0;  // the index of its line in the page's blocks
    OutlineKind kind = OutlineKind::Heading;
    int depth = 0;    // how deep it nests: a parent is the nearest entry before it less deep
    QString label;    // as the panel lists it
    QString article;  // the article's key ("136-A") for articles, else empty

    bool operator==(const OutlineEntry&) const = default;
};

// The "Sumário" of a document: its headings and, for statutes, the lines
// that open a book, title, chapter, section, subsection or article.
namespace DocumentOutline {

// The entry a line makes, without its block; nullopt for an ordinary line.
std::optional<OutlineEntry> classify(const OutlineLine& line);

// The entries of a page's blocks, in page order.
QList<OutlineEntry> build(const QList<OutlineLine>& lines);

// The key of an article number as written ("136", "136-A", "1.000"): the
// digits without thousands points, then "-" and the capital letter if any.
// Empty when number holds no article number.
QString articleKey(const QString& number, const QString& letter = {});

}  // namespace DocumentOutline

}  // namespace corvanel
