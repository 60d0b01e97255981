#include "QueryScript.h"

#include <array>
#include <utility>

namespace corvanel::query {

namespace {

using Field = FieldWrite::Field;

constexpr std::array<std::pair<QStringView, Field>, 6> kFieldOptions{{
    {u"--tipo", Field::tipo},
    {u"--edit4", Field::Edit4},
    {u"--edit3", Field::Edit3},
    {u"--aux", Field::Aux},
    {u"--subcat", Field::SUBCAT},
    {u"--subcatok", Field::SUBCATOK},
}};

constexpr std::array<std::pair<QStringView, Step::Kind>, 4> kSteps{{
    {u"search", Step::Kind::Search},
    {u"narrow", Step::Kind::Narrow},
    {u"back", Step::Kind::Back},
    {u"open", Step::Kind::Open},
}};

// The arguments with "--name=value" split into "--name" "value".
QStringList separated(const QStringList& arguments) {
    QStringList result;
    for (const QString& argument : arguments) {
        const qsizetype equals = argument.indexOf(u'=');
        if (argument.startsWith(u"--") && equals > 2) {
            result << argument.left(equals) << argument.mid(equals + 1);
        } else {
            result << argument;
        }
    }
    return result;
}

std::optional<Step> stepNamed(const QString& name) {
    for (const auto& [word, kind] : kSteps) {
        if (name == word) {
            return Step{kind};
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<QueryScript> parseQueryScript(const QStringList& arguments, QString& error) {
    const QStringList words = separated(arguments);
    QueryScript script;
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QString& option = words[i];
        if (i + 1 >= words.size()) {
            error = QStringLiteral("falta o valor de %1").arg(option);
            return std::nullopt;
        }
        const QString& value = words[++i];
        if (option == u"--db") {
            script.database = value;
            continue;
        }
        if (option == u"--then") {
            std::optional<Step> step = stepNamed(value);
            if (!step) {
                error = QStringLiteral("passo desconhecido: %1").arg(value);
                return std::nullopt;
            }
            if (step->kind == Step::Kind::Open) {
                bool number = false;
                step->row = i + 1 < words.size() ? words[i + 1].toInt(&number) : -1;
                if (!number || step->row < 0) {
                    error = QStringLiteral("\"--then open\" pede o número da linha, a partir de 0");
                    return std::nullopt;
                }
                ++i;
            }
            script.actions.emplace_back(*step);
            continue;
        }
        bool known = false;
        for (const auto& [name, field] : kFieldOptions) {
            if (option == name) {
                script.actions.emplace_back(FieldWrite{field, value});
                known = true;
            }
        }
        if (!known) {
            error = QStringLiteral("opção desconhecida: %1").arg(option);
            return std::nullopt;
        }
    }
    if (script.database.isEmpty()) {
        error = QStringLiteral("falta --db");
        return std::nullopt;
    }
    return script;
}

}  // namespace corvanel::query
