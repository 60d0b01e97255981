#include "SqliteDialect.h"

#include <QRegularExpression>

namespace corvanel::SqliteDialect {

namespace {

using Rule = std::pair<QRegularExpression, QString>;

QRegularExpression pattern(const char* text) {
    return QRegularExpression(QString::fromLatin1(text),
                              QRegularExpression::CaseInsensitiveOption);
}

// An SQL string literal, quotes inside it doubled.
#define CORVANEL_SQL_LITERAL "('(?:[^']|'')*')"

const std::array<Rule, 5>& rules() {
    static const std::array<Rule, 5> table{{
        {pattern("^\\s*DELETE\\s+\\*\\s+FROM\\b"), QStringLiteral("DELETE FROM")},
        // The key-word test over a card and its text row; \\1 makes sure the
        // four tests look for the same words.
        {pattern("\\(titulo LIKE " CORVANEL_SQL_LITERAL " or pchave LIKE \\1 or "
                 "subtitulo LIKE \\1 or conteudo LIKE \\1\\)"),
         QStringLiteral("(words_match(\\1, TEXTOS.rowid))")},
        {pattern("\\(L\\.titulo LIKE " CORVANEL_SQL_LITERAL " or L\\.pchave LIKE \\1 or "
                 "L\\.subtitulo LIKE \\1 or T\\.conteudo LIKE \\1\\)"),
         QStringLiteral("(words_match(\\1, T.rowid))")},
        // The column lists of the listings.
        {pattern("^select titulo, cod, subtitulo, conteudo, sessao from LABELS, TEXTOS\\b"),
         QStringLiteral("select titulo, cod, subtitulo, sessao, TEXTOS.rowid as texto from "
                        "LABELS, TEXTOS")},
        {pattern("\\bT\\.conteudo(?: as conteudo)?(?=, L\\.sessao)"),
         QStringLiteral("T.rowid as texto")},
    }};
    return table;
}

#undef CORVANEL_SQL_LITERAL

}  // namespace

QString translate(const QString& catalogueStatement) {
    QString sql = catalogueStatement;
    for (const auto& [from, to] : rules()) {
        sql.replace(from, to);
    }
    return sql;
}

}  // namespace corvanel::SqliteDialect
