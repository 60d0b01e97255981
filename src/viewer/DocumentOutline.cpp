#include "DocumentOutline.h"

#include <QRegularExpression>

#include <array>
#include <utility>

namespace corvanel::DocumentOutline {

namespace {

// Longer lines are prose, not the heading of a division.
constexpr qsizetype kLongestHeading = 160;
constexpr qsizetype kLongestSnippet = 60;

// The divisions of a statute as their lines open ("TÍTULO II", "Seção III",
// "LIVRO I"), each with its depth in the outline. A statute's "PARTE GERAL"
// names its book.
const std::array<std::pair<OutlineKind, QRegularExpression>, 5>& divisions() {
    static const auto pattern = [](const char* word) {
        return QRegularExpression(
            QStringLiteral(R"(^(%1)\s+([IVXLCDM]+|\d+|[UÚ]NIC[OA]|[UÚ]nic[oa])\b\s*(.*)$)")
                .arg(QString::fromUtf8(word)));
    };
    static const std::array<std::pair<OutlineKind, QRegularExpression>, 5> table{{
        {OutlineKind::Livro, pattern("LIVRO|Livro")},
        {OutlineKind::Titulo, pattern("T[IÍ]TULO|T[ií]tulo")},
        {OutlineKind::Capitulo, pattern("CAP[IÍ]TULO|Cap[ií]tulo")},
        {OutlineKind::Secao, pattern("SE[CÇ][AÃ]O|Se[cç][aã]o")},
        {OutlineKind::Subsecao, pattern("SUBSE[CÇ][AÃ]O|Subse[cç][aã]o")},
    }};
    return table;
}

// "Art. 1º", "Art. 136-A.", "Art 2o", "Artigo 10", "Art. 1.000": the number
// as written, an ordinal mark, and the letter of an inserted article.
const QRegularExpression& articleOpening() {
    static const QRegularExpression pattern(
        QStringLiteral(
            R"(^((?i:art(?:igo)?)\.?\s*(\d{1,4}(?:\.\d{3})*)\s*(?:[º°ª]|o(?![[:alpha:]]))?))"
            R"((?:\s*-\s*([A-Za-z])(?![[:alpha:]]))?(.*)$)"),
        QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// Below a page's title (its H1), as statutes are published.
int depthOf(OutlineKind kind) {
    return static_cast<int>(kind) - static_cast<int>(OutlineKind::Livro) + 1;
}

QString simplified(const QString& text) {
    return text.simplified();
}

// What follows a division's number names it when it stands apart from the
// number ("- Dos Direitos", "Das Medidas"); lower case means prose ("II desta Lei").
bool opensName(const QString& rest) {
    return rest.isEmpty() || rest.front().isUpper() ||
           QStringLiteral("-–—.:").contains(rest.front());
}

QString withoutLeadingMarks(QString text) {
    while (!text.isEmpty() &&
           (QStringLiteral("-–—.:").contains(text.front()) || text.front().isSpace())) {
        text.remove(0, 1);
    }
    return text;
}

QString snippet(const QString& text) {
    if (text.size() <= kLongestSnippet) {
        return text;
    }
    const qsizetype cut = text.lastIndexOf(u' ', kLongestSnippet);
    return text.left(cut > 0 ? cut : kLongestSnippet) + u'…';
}

bool isStatuteLine(const QString& line) {
    if (articleOpening().match(line).hasMatch()) {
        return true;
    }
    for (const auto& [kind, pattern] : divisions()) {
        if (pattern.match(line).hasMatch()) {
            return true;
        }
    }
    return false;
}

std::optional<OutlineEntry> division(const QString& line, const QString& next) {
    for (const auto& [kind, pattern] : divisions()) {
        const QRegularExpressionMatch match = pattern.match(line);
        if (!match.hasMatch() || !opensName(match.captured(3))) {
            continue;
        }
        const QString head = match.captured(1) + u' ' + match.captured(2);
        QString name = withoutLeadingMarks(match.captured(3));
        const QString following = simplified(next);
        if (name.isEmpty() && !following.isEmpty() && following.size() <= kLongestHeading &&
            !isStatuteLine(following)) {
            name = following;
        }
        return OutlineEntry{0, kind, depthOf(kind),
                            name.isEmpty() ? head : head + QStringLiteral(" — ") + snippet(name),
                            QString()};
    }
    return std::nullopt;
}

std::optional<OutlineEntry> article(const QString& line) {
    const QRegularExpressionMatch match = articleOpening().match(line);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QString rest = withoutLeadingMarks(match.captured(4));
    QString label = match.captured(1).trimmed();
    if (!match.captured(3).isEmpty()) {
        label += u'-' + match.captured(3).toUpper();
    }
    if (!rest.isEmpty()) {
        label += u' ' + snippet(rest);
    }
    return OutlineEntry{0, OutlineKind::Artigo, depthOf(OutlineKind::Artigo), label,
                        articleKey(match.captured(2), match.captured(3))};
}

}  // namespace

QString articleKey(const QString& number, const QString& letter) {
    QString digits = number;
    digits.remove(u'.');
    bool isNumber = false;
    const int value = digits.toInt(&isNumber);
    if (!isNumber || value <= 0) {
        return {};
    }
    QString key = QString::number(value);
    if (!letter.isEmpty()) {
        key += u'-' + letter.toUpper();
    }
    return key;
}

std::optional<OutlineEntry> classify(const OutlineLine& line) {
    const QString text = simplified(line.text);
    if (text.isEmpty()) {
        return std::nullopt;
    }
    if (text.size() <= kLongestHeading) {
        if (auto entry = division(text, line.next)) {
            return entry;
        }
    }
    if (auto entry = article(text)) {
        return entry;
    }
    if (line.headingLevel >= 1 && line.headingLevel <= 6) {
        return OutlineEntry{0, OutlineKind::Heading, line.headingLevel - 1, snippet(text),
                            QString()};
    }
    return std::nullopt;
}

QList<OutlineEntry> build(const QList<OutlineLine>& lines) {
    QList<OutlineEntry> entries;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        OutlineLine line = lines.at(index);
        if (line.next.trimmed().isEmpty() && index + 1 < lines.size()) {
            line.next = lines.at(index + 1).text;
        }
        if (std::optional<OutlineEntry> entry = classify(line)) {
            entry->block = static_cast<int>(index);
            entries << *entry;
        }
    }
    return entries;
}

}  // namespace corvanel::DocumentOutline
