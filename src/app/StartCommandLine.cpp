#include "StartCommandLine.h"

#include "CollectionLocation.h"
#include "UserSettings.h"

#include <QCoreApplication>
#include <QTextStream>

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

std::optional<int> answerBeforeStart(cli::ProgramCommandLine& commandLine, int argc,
                                     const char* const* argv) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    // Qt's own options look unknown here; they are judged once Qt has taken them.
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
    return std::nullopt;
}

std::optional<int> readCollectionFolder(cli::ProgramCommandLine& commandLine,
                                        const QStringList& arguments, const QString& programFolder,
                                        const QString& rememberedFolder, QString& folder,
                                        QTextStream& err) {
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
    // The command line first, then the environment, then the program's own.
    const QString fromEnvironment = qEnvironmentVariable("CORVANEL_COLLECTION");
    if (named.isEmpty() && fromEnvironment.isEmpty()) {
        // A remembered collection that is gone (a stick taken out) is passed over.
        QString gone;
        folder =
            rememberedFolder.isEmpty() ? QString() : namedCollectionFolder(rememberedFolder, gone);
        if (folder.isEmpty()) {
            folder = defaultCollectionFolder(programFolder);
        }
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

std::optional<int> readCollectionFolder(cli::ProgramCommandLine& commandLine, QString& folder) {
    QTextStream err(stderr);
    return readCollectionFolder(commandLine, QCoreApplication::arguments().mid(1),
                                QCoreApplication::applicationDirPath(),
                                UserSettings().lastCollectionFolder(), folder, err);
}

}  // namespace corvanel
