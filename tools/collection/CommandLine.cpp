#include "CommandLine.h"

#include "BuildError.h"
#include "CollectionBuild.h"
#include "ProgramCommandLine.h"
#include "Reindex.h"

#include <QFileInfo>
#include <QTextStream>

#include <array>
#include <optional>

namespace corvanel::collection {

namespace {

constexpr QStringView kBuildCommand = u"build";
constexpr QStringView kReindexCommand = u"reindex";

struct BuildOption {
    QStringView name;
    QString BuildOptions::*field;
    QStringView valueName;
    QStringView description;
    bool required;
};

const std::array<BuildOption, 4> kBuildOptions{{
    {u"catalogue", &BuildOptions::cataloguePath, u"ARQUIVO",
     u"catálogo em JSON Lines (UTF-8, um documento por linha)", true},
    {u"content", &BuildOptions::contentDir, u"PASTA",
     u"pasta de conteúdo: o texto de um documento sem \"conteudo\"\n"
     u"no catálogo vem da página PASTA/textos/<cod>.htm",
     true},
    {u"out", &BuildOptions::outputPath, u"ARQUIVO",
     u"banco de dados a criar: um arquivo comum ou um caminho\n"
     u"novo; um arquivo que já exista só é substituído se a\n"
     u"montagem terminar sem erro",
     true},
    {u"root", &BuildOptions::root, u"RAIZ",
     u"raiz do conteúdo gravada no banco (padrão: o caminho\n"
     u"absoluto de PASTA, terminado pelo separador)",
     false},
}};

cli::ProgramSyntax collectionSyntax() {
    cli::ProgramSyntax syntax;
    syntax.program = QStringLiteral("corvanel-collection");
    syntax.synopsis = QStringLiteral(
        "corvanel-collection build --catalogue ARQUIVO --content PASTA --out ARQUIVO "
        "[--root RAIZ]\n"
        "   ou: corvanel-collection reindex CAMINHO");
    syntax.summary = QStringLiteral(
        "Monta o banco de dados de uma coleção (db3.mdb) a partir do catálogo e das páginas. "
        "\"reindex\" acrescenta o índice de busca a uma coleção montada sem ele (CAMINHO: o "
        "banco de dados ou a pasta que o contém).");
    for (const BuildOption& option : kBuildOptions) {
        syntax.options << QCommandLineOption(option.name.toString(), option.description.toString(),
                                             option.valueName.toString());
    }
    syntax.closing = QStringLiteral(
        "--nome=valor vale o mesmo que --nome valor.\n"
        "\n"
        "Saída: 0 montado, 1 erro na montagem, 2 erro de uso.\n");
    return syntax;
}

struct UsageError {
    QString problem;
};

BuildOptions buildOptionsFrom(const QCommandLineParser& parser) {
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        throw UsageError{QStringLiteral("falta o comando")};
    }
    if (words.first() != kBuildCommand) {
        throw UsageError{QStringLiteral("comando desconhecido \"%1\"").arg(words.first())};
    }
    if (words.size() > 1) {
        throw UsageError{QStringLiteral("argumento inesperado \"%1\"").arg(words.at(1))};
    }
    BuildOptions options;
    for (const BuildOption& option : kBuildOptions) {
        const QString name = option.name.toString();
        const QStringList values = parser.values(name);
        if (values.size() > 1) {
            throw UsageError{QStringLiteral("--%1 foi dada mais de uma vez").arg(name)};
        }
        if (values.isEmpty() || values.first().isEmpty()) {
            if (option.required) {
                throw UsageError{QStringLiteral("falta --%1").arg(name)};
            }
            continue;
        }
        options.*(option.field) = values.first();
    }
    return options;
}

// "reindex CAMINHO", with no option of the build.
std::optional<QString> reindexPathFrom(const QCommandLineParser& parser) {
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty() || words.first() != kReindexCommand) {
        return std::nullopt;
    }
    if (words.size() < 2 || words.at(1).isEmpty()) {
        throw UsageError{QStringLiteral("falta o CAMINHO da coleção")};
    }
    if (words.size() > 2) {
        throw UsageError{QStringLiteral("argumento inesperado \"%1\"").arg(words.at(2))};
    }
    for (const BuildOption& option : kBuildOptions) {
        if (parser.isSet(option.name.toString())) {
            throw UsageError{
                QStringLiteral("--%1 não vale com reindex").arg(option.name.toString())};
        }
    }
    return words.at(1);
}

int runReindex(const QString& path, QTextStream& out, QTextStream& err) {
    try {
        const QString file = reindex(path);
        out << QStringLiteral("%1: índice de busca montado\n").arg(QFileInfo(file).fileName());
        return cli::kExitSuccess;
    } catch (const BuildError& error) {
        err << QStringView(u"corvanel-collection: erro: ") << error.message() << u'\n';
        return cli::kExitFailure;
    }
}

}  // namespace

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    cli::ProgramCommandLine commandLine(collectionSyntax());
    // "ajuda" alone is the help too, as it always was.
    const bool helpWord = arguments == QStringList{QStringLiteral("ajuda")};
    commandLine.parse(helpWord ? QStringList{QStringLiteral("--help")} : arguments);
    if (const std::optional<int> answered = commandLine.answer(out, err)) {
        return *answered;
    }
    BuildOptions options;
    try {
        if (const std::optional<QString> path = reindexPathFrom(commandLine.parser())) {
            return runReindex(*path, out, err);
        }
        options = buildOptionsFrom(commandLine.parser());
    } catch (const UsageError& error) {
        return commandLine.reportMistake(error.problem, err);
    }
    try {
        const BuildReport report = build(options);
        out << QStringLiteral("%1: %2 documentos, %3 textos (páginas lidas: %4), raiz \"%5\"\n")
                   .arg(QFileInfo(options.outputPath).fileName())
                   .arg(report.cards)
                   .arg(report.textRows)
                   .arg(report.pagesRead)
                   .arg(report.root);
        return cli::kExitSuccess;
    } catch (const BuildError& error) {
        err << QStringView(u"corvanel-collection: erro: ") << error.message() << u'\n';
        return cli::kExitFailure;
    }
}

}  // namespace corvanel::collection
