#include "CommandLine.h"

#include "BuildError.h"
#include "CollectionBuild.h"
#include "CollectionCheck.h"
#include "ContentAddress.h"
#include "ProgramCommandLine.h"
#include "ReferenceTables.h"
#include "Reindex.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <array>

namespace corvanel::collection {

namespace {

struct BuildOption {
    QStringView name;
    QString BuildOptions::*field;
    QStringView valueName;
    QStringView description;
    bool required;
};

const std::array<BuildOption, 5> kBuildOptions{{
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
    {u"edicao", &BuildOptions::edition, u"TEXTO",
     u"a edição da coleção, que o programa mostra na página\n"
     u"inicial (padrão: nenhuma; o programa mostra a sua)",
     false},
}};

constexpr QStringView kAllowUnknownCodes = u"allow-unknown-codes";

cli::ProgramSyntax collectionSyntax() {
    cli::ProgramSyntax syntax;
    syntax.program = QStringLiteral("corvanel-collection");
    syntax.synopsis = QStringLiteral(
        "corvanel-collection build --catalogue ARQUIVO --content PASTA --out ARQUIVO "
        "[--root RAIZ] [--edicao TEXTO] [--allow-unknown-codes] | check PASTA "
        "[--allow-unknown-codes] | "
        "reindex CAMINHO | tables");
    syntax.summary = QStringLiteral(
        "build   monta o banco de dados de uma coleção (db3.mdb) a partir do catálogo e das\n"
        "        páginas\n"
        "check   verifica a coleção da PASTA como o programa a usará: o banco (intacto,\n"
        "        com as tabelas do montador, a senha, a raiz e o índice de busca), seções\n"
        "        e categorias conhecidas, páginas dos documentos e arquivos fixos\n"
        "        presentes, páginas sem scripts e links que levam a arquivos dentro da pasta\n"
        "reindex acrescenta o índice de busca a uma coleção montada sem ele (CAMINHO: o\n"
        "        banco de dados ou a pasta que o contém), numa cópia que toma o lugar do\n"
        "        banco quando completa\n"
        "tables  mostra, em Markdown, os arquivos fixos e os códigos de categoria do programa");
    for (const BuildOption& option : kBuildOptions) {
        syntax.options << QCommandLineOption(option.name.toString(), option.description.toString(),
                                             option.valueName.toString());
    }
    syntax.options << QCommandLineOption(
        kAllowUnknownCodes.toString(),
        QStringLiteral("aceita códigos de categoria que nenhuma árvore nem filtro\n"
                       "do programa lista"));
    syntax.closing = QStringLiteral(
        "--nome=valor vale o mesmo que --nome valor.\n"
        "\n"
        "Saída: 0 montado ou sem problemas, 1 erro na montagem ou problemas achados,\n"
        "2 erro de uso.\n");
    return syntax;
}

struct UsageError {
    QString problem;
};

enum class Command { Build, Check, Reindex, Tables };

struct Invocation {
    Command command = Command::Build;
    BuildOptions build;
    QString path;  // check, reindex
};

void requireNoBuildOptions(const QCommandLineParser& parser, QStringView command) {
    for (const BuildOption& option : kBuildOptions) {
        if (parser.isSet(option.name.toString())) {
            throw UsageError{
                QStringLiteral("--%1 não vale para o comando %2").arg(option.name, command)};
        }
    }
}

BuildOptions buildOptionsFrom(const QCommandLineParser& parser) {
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
    options.allowUnknownCodes = parser.isSet(kAllowUnknownCodes.toString());
    return options;
}

Invocation invocationFrom(const QCommandLineParser& parser) {
    const QStringList words = parser.positionalArguments();
    if (words.isEmpty()) {
        throw UsageError{QStringLiteral("falta o comando")};
    }
    const QString& command = words.first();
    const qsizetype argumentCount = command == u"check" || command == u"reindex" ? 2 : 1;
    if (words.size() > argumentCount) {
        throw UsageError{
            QStringLiteral("argumento inesperado \"%1\"").arg(words.at(argumentCount))};
    }
    Invocation invocation;
    if (command == u"build") {
        invocation.build = buildOptionsFrom(parser);
    } else if (command == u"check" || command == u"reindex") {
        requireNoBuildOptions(parser, command);
        if (words.size() < 2 || words.at(1).isEmpty()) {
            throw UsageError{command == u"check"
                                 ? QStringLiteral("falta a PASTA da coleção a verificar")
                                 : QStringLiteral("falta o CAMINHO da coleção")};
        }
        invocation.command = command == u"check" ? Command::Check : Command::Reindex;
        invocation.path = words.at(1);
        invocation.build.allowUnknownCodes = parser.isSet(kAllowUnknownCodes.toString());
    } else if (command == u"tables") {
        requireNoBuildOptions(parser, command);
        invocation.command = Command::Tables;
    } else {
        throw UsageError{QStringLiteral("comando desconhecido \"%1\"").arg(command)};
    }
    return invocation;
}

int runBuild(const BuildOptions& options, QTextStream& out, QTextStream& err) {
    const BuildReport report = build(options);
    out << QStringLiteral("%1: %2 documentos, %3 textos (páginas lidas: %4), raiz \"%5\"\n")
               .arg(QFileInfo(options.outputPath).fileName())
               .arg(report.cards)
               .arg(report.textRows)
               .arg(report.pagesRead)
               .arg(report.root);
    for (const QString& missing : report.missingFixedFiles) {
        err << QStringLiteral("corvanel-collection: aviso: a pasta de conteúdo não tem %1; ")
                   .arg(missing)
            << (missing == ContentAddress::kMarkerFileName
                    ? QStringLiteral("sem ele o programa pede a pasta do conteúdo ao abrir")
                    : QStringLiteral("o programa não poderá mostrá-lo"))
            << u'\n';
    }
    return cli::kExitSuccess;
}

int runCheck(const QString& folder, const BuildOptions& options, QTextStream& out) {
    const CheckReport report =
        checkCollection(folder, {.allowUnknownCodes = options.allowUnknownCodes});
    for (const QString& problem : report.problems) {
        out << problem << u'\n';
    }
    out << QStringLiteral("%1: %2 documentos, %3 páginas, ")
               .arg(QDir::toNativeSeparators(folder))
               .arg(report.cards)
               .arg(report.pagesRead)
        << (report.problems.isEmpty()
                ? QStringLiteral("nenhum problema")
                : QStringLiteral("%1 problema(s)").arg(report.problems.size()))
        << u'\n';
    return report.problems.isEmpty() ? cli::kExitSuccess : cli::kExitFailure;
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
    Invocation invocation;
    try {
        invocation = invocationFrom(commandLine.parser());
    } catch (const UsageError& error) {
        return commandLine.reportMistake(error.problem, err);
    }
    try {
        switch (invocation.command) {
            case Command::Build:
                return runBuild(invocation.build, out, err);
            case Command::Check:
                return runCheck(invocation.path, invocation.build, out);
            case Command::Reindex:
                out << QStringLiteral("%1: índice de busca montado\n")
                           .arg(QFileInfo(reindex(invocation.path)).fileName());
                return cli::kExitSuccess;
            case Command::Tables:
                out << referenceTables();
                return cli::kExitSuccess;
        }
    } catch (const BuildError& error) {
        err << QStringView(u"corvanel-collection: erro: ") << error.message() << u'\n';
    }
    return cli::kExitFailure;
}

}  // namespace corvanel::collection
