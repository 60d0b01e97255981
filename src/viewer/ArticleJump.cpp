#include "ArticleJump.h"

#include <QRegularExpression>

namespace corvanel::ArticleJump {

std::optional<QString> parse(const QString& typed) {
    // "136", "art. 136-A", "Art 136 a", "artigo 5º", "136a".
    static const QRegularExpression pattern(
        QStringLiteral(
            R"(^(?:art(?:igo)?\.?\s*)?(\d{1,4}(?:\.\d{3})*)\s*(?:[º°ª]|o(?![[:alpha:]]))?)"
            R"(\s*(?:-?\s*([a-z]))?\s*\.?$)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = pattern.match(typed.simplified());
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const QString key = DocumentOutline::articleKey(match.captured(1), match.captured(2));
    if (key.isEmpty()) {
        return std::nullopt;
    }
    return key;
}

std::optional<OutlineEntry> find(const QList<OutlineEntry>& outline, const QString& key) {
    // A statute gives an article's earlier wordings before the one in force.
    for (auto entry = outline.crbegin(); entry != outline.crend(); ++entry) {
        if (entry->kind == OutlineKind::Artigo && entry->article == key) {
            return *entry;
        }
    }
    return std::nullopt;
}

}  // namespace corvanel::ArticleJump
