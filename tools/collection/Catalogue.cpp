#include "Catalogue.h"

#include "BuildError.h"
#include "CategoryTables.h"
#include "InputFile.h"
#include "Sections.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QVarLengthArray>
#include <QVariant>

namespace corvanel::collection {

namespace {

// Qt's own parser messages are English; the publisher reads Portuguese.
QString jsonErrorText(QJsonParseError::ParseError error) {
    switch (error) {
        case QJsonParseError::UnterminatedObject:
            return QStringLiteral("objeto não terminado (falta \"}\")");
        case QJsonParseError::MissingNameSeparator:
            return QStringLiteral("falta \":\" depois do nome do campo");
        case QJsonParseError::UnterminatedArray:
            return QStringLiteral("lista não terminada (falta \"]\")");
        case QJsonParseError::MissingValueSeparator:
            return QStringLiteral("falta \",\" entre os valores");
        case QJsonParseError::IllegalValue:
            return QStringLiteral("valor inválido");
        case QJsonParseError::TerminationByNumber:
            return QStringLiteral("a linha termina no meio de um número");
        case QJsonParseError::IllegalNumber:
            return QStringLiteral("número inválido");
        case QJsonParseError::IllegalEscapeSequence:
            return QStringLiteral("sequência de escape inválida");
        case QJsonParseError::IllegalUTF8String:
            return QStringLiteral("texto que não está em UTF-8");
        case QJsonParseError::UnterminatedString:
            return QStringLiteral("texto não terminado (falta '\"')");
        case QJsonParseError::MissingObject:
            return QStringLiteral("esperava-se o nome de um campo entre aspas");
        case QJsonParseError::DeepNesting:
            return QStringLiteral("aninhamento profundo demais");
        case QJsonParseError::DocumentTooLarge:
            return QStringLiteral("linha grande demais");
        case QJsonParseError::GarbageAtEnd:
            return QStringLiteral("há texto depois do fim do objeto");
        case QJsonParseError::NoError:
            break;
    }
    return QStringLiteral("erro de sintaxe");
}

QString typeName(const QJsonValue& value) {
    switch (value.type()) {
        case QJsonValue::Null:
            return QStringLiteral("null");
        case QJsonValue::Bool:
            return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
        case QJsonValue::Double:
            return QStringLiteral("um número");
        case QJsonValue::String:
            return QStringLiteral("um texto");
        case QJsonValue::Array:
            return QStringLiteral("uma lista");
        case QJsonValue::Object:
            return QStringLiteral("um objeto");
        case QJsonValue::Undefined:
            break;
    }
    return QStringLiteral("indefinido");
}

// A fault of one line; parseCatalogue adds the file name and line number.
struct LineFault {
    QString reason;
};

QString* textField(Card& card, QStringView name) {
    if (name == u"titulo") {
        return &card.titulo;
    }
    if (name == u"subtitulo") {
        return &card.subtitulo;
    }
    if (name == u"sessao") {
        return &card.sessao;
    }
    if (name == u"categoria") {
        return &card.categoria;
    }
    if (name == u"pchave") {
        return &card.pchave;
    }
    return nullptr;
}

// Qt keeps whole-valued numbers (12, 12.0, 1e3) as integers; anything else
// arrives as a double.
qint64 codeOf(const QJsonValue& value) {
    if (!value.isDouble()) {
        throw LineFault{QStringLiteral("\"cod\" deve ser um número inteiro positivo, não %1")
                            .arg(typeName(value))};
    }
    const QVariant number = value.toVariant();
    if (number.typeId() != QMetaType::LongLong) {
        const double code = value.toDouble();
        if (code <= -9223372036854775808.0) {
            throw LineFault{QStringLiteral("\"cod\" deve ser um número positivo")};
        }
        if (code >= 9223372036854775808.0) {
            throw LineFault{
                QStringLiteral("\"cod\" é grande demais (o maior possível é 9223372036854775807)")};
        }
        throw LineFault{QStringLiteral("\"cod\" deve ser um número inteiro, não %1")
                            .arg(QString::number(code, 'g', 17))};
    }
    const qint64 cod = number.toLongLong();
    if (cod <= 0) {
        throw LineFault{QStringLiteral("\"cod\" deve ser um número positivo, não %1").arg(cod)};
    }
    return cod;
}

// A NUL would cut the text short where it is read as a C string, and half a
// surrogate pair has no UTF-8 form: SQLite would store a replacement.
void requireStorableText(const QString& text, const QString& what) {
    if (!text.contains(QChar(0)) && QStringView(text).isValidUtf16()) {
        return;
    }
    if (text.contains(QChar(0))) {
        throw LineFault{
            QStringLiteral("%1 contém o caractere NUL (\\u0000), que não pode ser gravado")
                .arg(what)};
    }
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            ++i;
        } else if (c.isSurrogate()) {
            throw LineFault{
                QStringLiteral("%1 contém \\u%2 sem o seu par (metade de um caractere UTF-16)")
                    .arg(what)
                    .arg(c.unicode(), 4, 16, QChar(u'0'))};
        }
    }
}

QString fieldName(QStringView name) {
    return u"o campo \"" + name + u'"';
}

// The letters the program lists and labels cards under, from its table of
// sections ("F" marks categories only).
QStringList cardSectionLetters() {
    QStringList letters;
    for (const SectionFacts& facts : kSections) {
        for (const QStringView letter : {facts.cardLetter, facts.otherCardLetter}) {
            if (!letter.isEmpty() && !letters.contains(letter)) {
                letters << letter.toString();
            }
        }
    }
    letters.sort();
    return letters;
}

void requireSection(const QString& section) {
    if (sectionOfCard(section) == nullptr) {
        const QStringList letters = cardSectionLetters();
        throw LineFault{
            QStringLiteral("\"sessao\" deve ser uma das letras maiúsculas %1 ou %2, não \"%3\"")
                .arg(letters.first(letters.size() - 1).join(QStringLiteral(", ")), letters.last(),
                     section)};
    }
}

void requireKnownCodes(const QString& categoria) {
    for (const QString& code : categories::categoryCodesOf(categoria)) {
        if (!categories::isKnownCategoryCode(code)) {
            throw LineFault{
                QStringLiteral("a categoria \"%1\" não existe no programa: nenhuma árvore nem "
                               "filtro a lista (os códigos estão no README; "
                               "--allow-unknown-codes a aceita)")
                    .arg(code)};
        }
    }
}

// A JSON string, quotes included, as UTF-8 with its escapes resolved.
QByteArray unescaped(QByteArrayView quoted) {
    if (!quoted.contains('\\')) {
        return QByteArray::fromRawData(quoted.data() + 1, quoted.size() - 2);
    }
    return QJsonDocument::fromJson('[' + quoted.toByteArray() + ']')
        .array()
        .first()
        .toString()
        .toUtf8();
}

// QJsonDocument keeps the last of repeated names without a word. The line is
// valid JSON by now, so a shallow scan finds the object's own names: strings
// at depth one followed by a colon.
void requireDistinctNames(QByteArrayView json) {
    QVarLengthArray<QByteArray, 8> names;
    int depth = 0;
    for (qsizetype i = 0; i < json.size(); ++i) {
        const char c = json[i];
        if (c == '{' || c == '[') {
            ++depth;
        } else if (c == '}' || c == ']') {
            --depth;
        } else if (c == '"') {
            const qsizetype start = i;
            // The closing quote is the first one after an even run of backslashes.
            for (i = json.indexOf('"', i + 1);; i = json.indexOf('"', i + 1)) {
                qsizetype backslashes = 0;
                while (json[i - 1 - backslashes] == '\\') {
                    ++backslashes;
                }
                if (backslashes % 2 == 0) {
                    break;
                }
            }
            qsizetype next = i + 1;
            while (next < json.size() && (json[next] == ' ' || json[next] == '\t' ||
                                          json[next] == '\r' || json[next] == '\n')) {
                ++next;
            }
            if (depth != 1 || next >= json.size() || json[next] != ':') {
                continue;
            }
            QByteArray name = unescaped(json.sliced(start, i - start + 1));
            if (names.contains(name)) {
                throw LineFault{QStringLiteral("o campo \"%1\" aparece mais de uma vez na linha")
                                    .arg(QString::fromUtf8(name))};
            }
            names.append(std::move(name));
        }
    }
}

QStringList textsOf(const QJsonValue& value) {
    if (value.isString()) {
        requireStorableText(value.toString(), QStringLiteral("\"conteudo\""));
        return {value.toString()};
    }
    if (!value.isArray()) {
        throw LineFault{
            QStringLiteral("\"conteudo\" deve ser um texto ou uma lista de textos, não %1")
                .arg(typeName(value))};
    }
    QStringList texts;
    const QJsonArray items = value.toArray();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!items.at(i).isString()) {
            throw LineFault{QStringLiteral("o item %1 de \"conteudo\" deve ser um texto, não %2")
                                .arg(i + 1)
                                .arg(typeName(items.at(i)))};
        }
        texts << items.at(i).toString();
        requireStorableText(texts.last(), QStringLiteral("o item %1 de \"conteudo\"").arg(i + 1));
    }
    return texts;
}

CatalogueEntry parseLine(const QByteArray& line, const CatalogueRules& rules) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(line, &error);
    if (error.error != QJsonParseError::NoError) {
        // The parser counts bytes; an editor counts characters.
        const qsizetype column =
            QString::fromUtf8(line.first(qMin(line.size(), error.offset))).size() + 1;
        throw LineFault{QStringLiteral("JSON inválido na coluna %1: %2")
                            .arg(column)
                            .arg(jsonErrorText(error.error))};
    }
    if (!document.isObject()) {
        throw LineFault{QStringLiteral("a linha deve ser um objeto JSON ({...}), não uma lista")};
    }
    requireDistinctNames(line);
    const QJsonObject object = document.object();
    CatalogueEntry entry;
    const auto cod = object.constFind(QLatin1String("cod"));
    if (cod == object.constEnd()) {
        throw LineFault{QStringLiteral("falta o campo \"cod\"")};
    }
    entry.card.cod = codeOf(cod.value());
    for (auto field = object.constBegin(); field != object.constEnd(); ++field) {
        const QString name = field.key();
        requireStorableText(name, QStringLiteral("o nome de um campo"));
        if (name == u"cod") {
            continue;
        }
        if (name == u"conteudo") {
            entry.card.texts = textsOf(field.value());
            entry.hasText = true;
        } else if (QString* text = textField(entry.card, name)) {
            if (!field.value().isString()) {
                throw LineFault{QStringLiteral("o campo \"%1\" deve ser um texto, não %2")
                                    .arg(name, typeName(field.value()))};
            }
            *text = field.value().toString();
            requireStorableText(*text, fieldName(name));
            if (name == u"sessao") {
                requireSection(*text);
            } else if (name == u"categoria" && !rules.allowUnknownCodes) {
                requireKnownCodes(*text);
            }
        } else {
            // A misspelt "conteudo" would otherwise silently send us to the page.
            throw LineFault{QStringLiteral("campo desconhecido \"%1\" (os campos são cod, titulo, "
                                           "subtitulo, sessao, categoria, pchave e conteudo)")
                                .arg(name)};
        }
    }
    return entry;
}

}  // namespace

QList<CatalogueEntry> parseCatalogue(const QByteArray& data, const QString& fileName,
                                     const CatalogueRules& rules) {
    QList<CatalogueEntry> entries;
    QHash<qint64, int> lineOfCod;
    QByteArrayView rest(data);
    if (rest.startsWith("\xEF\xBB\xBF")) {
        rest = rest.sliced(3);
    }
    int lineNumber = 0;
    while (!rest.isEmpty()) {
        ++lineNumber;
        const qsizetype end = rest.indexOf('\n');
        const QByteArrayView line = end < 0 ? rest : rest.first(end);
        rest = end < 0 ? QByteArrayView() : rest.sliced(end + 1);
        if (line.trimmed().isEmpty()) {
            continue;
        }
        try {
            CatalogueEntry entry = parseLine(line.toByteArray(), rules);
            entry.line = lineNumber;
            const auto earlier = lineOfCod.constFind(entry.card.cod);
            if (earlier != lineOfCod.cend()) {
                throw LineFault{
                    QStringLiteral("\"cod\" repetido (já usado na linha %1)").arg(*earlier)};
            }
            lineOfCod.insert(entry.card.cod, lineNumber);
            entries << std::move(entry);
        } catch (const LineFault& fault) {
            throw BuildError(fileName + u':' + QString::number(lineNumber) + u": " + fault.reason);
        }
    }
    return entries;
}

QList<CatalogueEntry> readCatalogue(const QString& path, const CatalogueRules& rules) {
    QByteArray data;
    try {
        data = readRegularFile(path);
    } catch (const UnreadableFile& fault) {
        throw BuildError(QStringLiteral("o catálogo \"%1\" %2").arg(path, fault.reason));
    }
    return parseCatalogue(data, path, rules);
}

}  // namespace corvanel::collection
