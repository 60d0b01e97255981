#include "PageFolding.h"

#include "TextMatching.h"

#include <QStringView>

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
        const QString key = character.toString();
        const QString foldedForm = foldedCharacter(character);
        // The script keeps a character the table does not name.
        if (foldedForm != key) {
            table.insert(key, foldedForm);
        }
    });
    return table;
}

}  // namespace corvanel::PageFolding
