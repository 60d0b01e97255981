#include "PageFolding.h"

#include "TextMatching.h"

#include <QStringView>

#include <utility>

namespace corvanel::PageFolding {

namespace {

QString searchFoldedText(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    return QString::fromStdString(
        searchFolded(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))));
}

QString foldedCharacter(QStringView character) {
    const QByteArray utf8 = character.toUtf8();
    return QString::fromStdString(
        folded(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))));
}

// The characters of text, each a whole code point.
template <typename Visit>
void forEachCharacter(const QString& text, Visit visit) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length =
            text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()
                ? 2
                : 1;
        visit(QStringView(text).mid(i, length));
        i += length;
    }
}

}  // namespace

QStringList needles(const QStringList& words) {
    QStringList result;
    for (const QString& word : words) {
        const QString needle = searchFoldedText(word);
        if (!needle.isEmpty() && needle != u" " && !result.contains(needle)) {
            result << needle;
        }
    }
    return result;
}

QJsonObject foldingTable(const QString& characters) {
    QJsonObject table;
    forEachCharacter(characters, [&table](QStringView character) {
        table.insert(character.toString(), foldedCharacter(character));
    });
    return table;
}

const QJsonObject& commonFoldingTable() {
    static const QJsonObject table = [] {
        // Latin-1 Supplement to Latin Extended-B; general punctuation;
        // currency signs; letter-like symbols (№, ℃).
        constexpr std::pair<char16_t, char16_t> kRanges[] = {
            {0x0080, 0x0250}, {0x2000, 0x2070}, {0x20A0, 0x20D0}, {0x2100, 0x2150}};
        QString characters;
        for (const auto& [first, end] : kRanges) {
            for (char16_t code = first; code < end; ++code) {
                characters += QChar(code);
            }
        }
        return foldingTable(characters);
    }();
    return table;
}

}  // namespace corvanel::PageFolding
