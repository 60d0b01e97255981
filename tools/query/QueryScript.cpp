#include "QueryScript.h"

#include <QCommandLineParser>
#include <QHash>

#include <algorithm>
#include <array>
#include <utility>

namespace corvanel::query {

namespace {

using Field = FieldWrite::Field;

struct FieldOption {
    QStringView name;
    Field field;
    QStringView valueName;
    QStringView description;
};

constexpr std::array<FieldOption, 6> kFieldOptions{{
    {u"tipo", Field::tipo, u"K", u"tipo do pedido (campo tipo)"},
    {u"edit4", Field::Edit4, u"X",
     u"argumento do pedido: código de categoria, letra de seção,\n"
     u"\"T\" ou \" \" (campo Edit4)"},
    {u"edit3", Field::Edit3, u"P", u"palavras da busca (campo Edit3)"},
    {u"aux", Field::Aux, u"L", u"letra da seção adotada após um pedido por categoria (campo Aux)"},
    {u"subcat", Field::SUBCAT, u"S", u"subcategoria das buscas na seção (campo SUBCAT)"},
    {u"subcatok", Field::SUBCATOK, u"V",
     u"\"0\": a busca na seção filtra pela letra; outro valor, por SUBCAT\n"
     u"(campo SUBCATOK)"},
}};

constexpr std::array<std::pair<QStringView, Step::Kind>, 4> kSteps{{
    {u"search", Step::Kind::Search},
    {u"narrow", Step::Kind::Narrow},
    {u"back", Step::Kind::Back},
    {u"open", Step::Kind::Open},
}};

constexpr QStringView kDatabase = u"db";
constexpr QStringView kThen = u"then";
constexpr QStringView kPassages = u"trechos";
constexpr QStringView kWholeWords = u"palavra-inteira";
constexpr QStringView kOrder = u"ordem";
constexpr QStringView kGrouped = u"agrupar";

constexpr std::array<std::pair<QStringView, ResultOrder>, 2> kOrders{{
    {u"titulo", ResultOrder::Title},
    {u"relevancia", ResultOrder::Relevance},
}};

constexpr QStringView kClosing =
    u"Os campos escritos valem a partir da exibição ou do passo seguinte, na ordem da\n"
    u"linha de comando; um campo não escrito guarda o texto anterior.\n"
    u"\n"
    u"Passos (--then):\n"
    u"  search        busca as palavras de --edit3 (botão de busca)\n"
    u"  narrow        busca nos resultados (Buscar Resultados)\n"
    u"  back          volta aos resultados anteriores (Voltar)\n"
    u"  open LINHA    duplo clique na linha LINHA da lista, a partir de 0\n"
    u"\n"
    u"Depois da exibição e de cada passo saem as linhas da lista com as suas chaves\n"
    u"(separadas por tabulação), as mensagens mostradas (\"! \"), a página que o\n"
    u"duplo clique abre (\"> \") e uma linha \"# count=... scope=... level=... tipo=...\".\n"
    u"\n"
    u"Saída: 0 feito; 1 um passo terminou em erro (a mensagem sai como \"! \");\n"
    u"2 erro de uso ou banco de dados que não abre.\n";

std::optional<Step> stepNamed(const QString& name) {
    for (const auto& [word, kind] : kSteps) {
        if (name == word) {
            return Step{kind};
        }
    }
    return std::nullopt;
}

std::optional<Field> fieldNamed(const QString& name) {
    for (const FieldOption& option : kFieldOptions) {
        if (name == option.name) {
            return option.field;
        }
    }
    return std::nullopt;
}

}  // namespace

cli::ProgramSyntax querySyntax() {
    cli::ProgramSyntax syntax;
    syntax.program = QStringLiteral("corvanel-query");
    syntax.synopsis =
        QStringLiteral("corvanel-query --db ARQUIVO [OPÇÃO]... [--then PASSO [LINHA]]...");
    syntax.summary = QStringLiteral(
        "Mostra o que a janela de resultados lista para um pedido, passo a passo, sem abrir\n"
        "janela alguma.");
    syntax.options << QCommandLineOption(
        kDatabase.toString(),
        QStringLiteral("o banco de dados da coleção (db3.mdb) ou a pasta que o contém"),
        QStringLiteral("ARQUIVO"));
    for (const FieldOption& option : kFieldOptions) {
        syntax.options << QCommandLineOption(option.name.toString(), option.description.toString(),
                                             option.valueName.toString());
    }
    syntax.options << QCommandLineOption(
        kPassages.toString(),
        QStringLiteral("depois de cada documento de uma busca por palavras, o trecho do\n"
                       "texto em que elas estão, numa linha que começa com \"» \""));
    syntax.options << QCommandLineOption(
        kWholeWords.toString(),
        QStringLiteral("as buscas e as buscas nos resultados acham as palavras inteiras:\n"
                       "\"guarda\" acha \"Guarda\", mas não \"aguardando\""));
    syntax.options << QCommandLineOption(
        kOrder.toString(),
        QStringLiteral("a ordem das buscas por palavras: titulo (a de sempre) ou relevancia\n"
                       "(no título, depois nas palavras-chave, depois mais ocorrências por\n"
                       "mil palavras do documento; empates em ordem de título)"),
        QStringLiteral("ORDEM"));
    syntax.options << QCommandLineOption(
        kGrouped.toString(),
        QStringLiteral("nas buscas por palavras, cada documento uma vez, no seu melhor trecho,\n"
                       "com uma linha \"N trechos\""));
    syntax.options << QCommandLineOption(
        kThen.toString(), QStringLiteral("um passo depois da exibição: search, narrow, back, open"),
        QStringLiteral("PASSO"));
    syntax.closing = kClosing.toString();
    return syntax;
}

std::optional<QueryScript> scriptFrom(const QCommandLineParser& parser, QString& error) {
    QueryScript script;
    const QStringList values = parser.values(kDatabase.toString());
    if (values.isEmpty()) {
        error = QStringLiteral("falta --db");
        return std::nullopt;
    }
    script.database = values.last();
    script.passages = parser.isSet(kPassages.toString());
    script.wholeWords = parser.isSet(kWholeWords.toString());
    script.arrangement.groupedByDocument = parser.isSet(kGrouped.toString());
    if (parser.isSet(kOrder.toString())) {
        const QString order = parser.value(kOrder.toString());
        const auto* named = std::find_if(kOrders.begin(), kOrders.end(),
                                         [&](const auto& known) { return known.first == order; });
        if (named == kOrders.end()) {
            error = QStringLiteral("ordem desconhecida: %1 (titulo ou relevancia)").arg(order);
            return std::nullopt;
        }
        script.arrangement.order = named->second;
    }

    // The parser keeps each option's values in order and the order of the
    // options; the rows of "open" are its positional arguments, in turn.
    QHash<QString, qsizetype> taken;
    const QStringList rows = parser.positionalArguments();
    qsizetype rowsTaken = 0;
    for (const QString& name : parser.optionNames()) {
        const std::optional<Field> field = fieldNamed(name);
        if (!field && name != kThen) {
            continue;
        }
        const QString value = parser.values(name).at(taken[name]++);
        if (field) {
            script.actions.emplace_back(FieldWrite{*field, value});
            continue;
        }
        std::optional<Step> step = stepNamed(value);
        if (!step) {
            error = QStringLiteral("passo desconhecido: %1").arg(value);
            return std::nullopt;
        }
        if (step->kind == Step::Kind::Open) {
            bool number = false;
            step->row = rowsTaken < rows.size() ? rows.at(rowsTaken++).toInt(&number) : -1;
            if (!number || step->row < 0) {
                error = QStringLiteral("\"--then open\" pede o número da linha, a partir de 0");
                return std::nullopt;
            }
        }
        script.actions.emplace_back(*step);
    }
    if (rowsTaken < rows.size()) {
        error = QStringLiteral("argumento inesperado: %1").arg(rows.at(rowsTaken));
        return std::nullopt;
    }
    return script;
}

}  // namespace corvanel::query
