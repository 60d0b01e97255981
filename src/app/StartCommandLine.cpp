#include "StartCommandLine.h"

#include "CollectionLocation.h"
#include "UserSettings.h"

#include <QCoreApplication>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace corvanel {

cli::ProgramSyntax programSyntax() {
    cli::ProgramSyntax syntax;
    syntax.program = QStringLiteral("corvanel");
    syntax.synopsis = QStringLiteral("corvanel [--collection COLEÇÃO | COLEÇÃO]");
    syntax.summary = QStringLiteral(
        "Abre a coleção de documentos sobre os direitos da criança e do adolescente.\n"
        "\n"
        "COLEÇÃO é a pasta de uma coleção ou o seu db3.mdb. Sem ela, o programa abre a\n"
        "coleção da variável de ambiente CORVANEL_COLLECTION, senão a última coleção\n"
        "aberta, senão o db3.mdb da sua própria pasta e, se lá não houver um, a coleção\n"
        "de amostra instalada com ele.");
    syntax.options = {QCommandLineOption(
        QStringLiteral("collection"),
        QStringLiteral("A coleção a abrir: sua pasta ou seu db3.mdb."), QStringLiteral("COLEÇÃO"))};
    syntax.closing = QStringLiteral(
        "Aceita também as opções do Qt, como -platform e -style.\n"
        "\n"
        "Saída: 0 ao fechar o programa, 2 erro de uso.\n");
    return syntax;
}

namespace {

// The options every Qt program takes (QGuiApplication's and QApplication's),
// those followed by a value first.
constexpr QStringView kQtOptionsWithValue[] = {u"platform",
                                               u"platformpluginpath",
                                               u"platformtheme",
                                               u"plugin",
                                               u"qwindowgeometry",
                                               u"qwindowicon",
                                               u"qwindowtitle",
                                               u"session",
                                               u"display",
                                               u"geometry",
                                               u"title",
                                               u"name",
                                               u"style",
                                               u"stylesheet",
                                               u"visual",
                                               u"fn",
                                               u"font",
                                               u"bg",
                                               u"background",
                                               u"fg",
                                               u"foreground",
                                               u"btn",
                                               u"button",
                                               u"im",
                                               u"inputstyle"};
constexpr QStringView kQtFlags[] = {u"reverse", u"widgetcount", u"nograb", u"dograb",
                                    u"sync",    u"ncols",       u"cmap",   u"qmljsdebugger"};

}  // namespace

QStringList withoutQtOptions(const QStringList& arguments) {
    QStringList left;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == u"--") {
            left << arguments.mid(i);
            break;
        }
        // Qt takes -name and --name, and -name=value for some.
        QStringView name(argument);
        if (!name.startsWith(u'-')) {
            left << argument;
            continue;
        }
        name = name.mid(name.startsWith(u"--") ? 2 : 1);
        const qsizetype equals = name.indexOf(u'=');
        const QStringView bare = equals < 0 ? name : name.left(equals);
        const auto named = [bare](QStringView option) { return option == bare; };
        if (std::ranges::any_of(kQtFlags, named)) {
            continue;
        }
        if (std::ranges::any_of(kQtOptionsWithValue, named)) {
            if (equals < 0) {
                ++i;
            }
            continue;
        }
        left << argument;
    }
    return left;
}

std::optional<int> answerBeforeStart(cli::ProgramCommandLine& commandLine, int argc,
                                     const char* const* argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    arguments = withoutQtOptions(arguments);
    commandLine.parse(arguments);
    QTextStream out(stdout);
    if (commandLine.helpRequested()) {
        out << commandLine.helpText();
        return cli::kExitSuccess;
    }
    if (commandLine.versionRequested()) {
        out << commandLine.versionText();
        return cli::kExitSuccess;
    }
    // A mistake is told on the terminal before any display is looked for.
    QTextStream err(stderr);
    QString named;
    return readNamedFolder(commandLine, arguments, named, err);
}

std::optional<int> readNamedFolder(cli::ProgramCommandLine& commandLine,
                                   const QStringList& arguments, QString& folder,
                                   QTextStream& err) {
    folder.clear();
    if (!commandLine.parse(arguments)) {
        return commandLine.reportMistake(commandLine.mistake(), err);
    }
    QStringList named = commandLine.parser().positionalArguments();
    const bool optionGiven = commandLine.parser().isSet(QStringLiteral("collection"));
    if (optionGiven) {
        named.prepend(commandLine.parser().value(QStringLiteral("collection")));
    }
    if (named.size() > 1) {
        return commandLine.reportMistake(
            QStringLiteral("argumento inesperado \"%1\"").arg(named.at(1)), err);
    }
    // The command line first, then the environment.
    const QString fromEnvironment = qEnvironmentVariable("CORVANEL_COLLECTION");
    if (named.isEmpty() && fromEnvironment.isEmpty()) {
        return std::nullopt;
    }
    QString problem;
    folder = namedCollectionFolder(named.isEmpty() ? fromEnvironment : named.first(), problem);
    if (folder.isEmpty()) {
        if (named.isEmpty()) {
            problem = QStringLiteral("CORVANEL_COLLECTION: ") + problem;
        }
        return commandLine.reportMistake(problem, err);
    }
    return std::nullopt;
}

std::optional<int> readCollectionFolder(cli::ProgramCommandLine& commandLine,
                                        const QStringList& arguments, const QString& programFolder,
                                        const QString& rememberedFolder, QString& folder,
                                        QTextStream& err) {
    if (const std::optional<int> mistake = readNamedFolder(commandLine, arguments, folder, err)) {
        return mistake;
    }
    if (folder.isEmpty()) {
        // A remembered collection that is gone (a stick taken out) is passed over.
        QString gone;
        folder =
            rememberedFolder.isEmpty() ? QString() : namedCollectionFolder(rememberedFolder, gone);
        if (folder.isEmpty()) {
            folder = defaultCollectionFolder(programFolder);
        }
    }
    return std::nullopt;
}

std::optional<int> readCollectionFolder(cli::ProgramCommandLine& commandLine, QString& folder) {
    QTextStream err(stderr);
    return readCollectionFolder(commandLine, QCoreApplication::arguments().mid(1),
                                QCoreApplication::applicationDirPath(),
                                UserSettings().lastCollectionFolder(), folder, err);
}

}  // namespace corvanel
