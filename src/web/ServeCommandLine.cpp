#include "ServeCommandLine.h"

#include "CollectionLocation.h"
#include "ProgramCommandLine.h"

#include <QTextStream>

namespace corvanel::web {

namespace {

using namespace Qt::Literals::StringLiterals;

constexpr int kMaxThreads = 64;

cli::ProgramSyntax serveSyntax() {
    return {
        u"corvanel-serve"_s,
        u"corvanel-serve [--collection PASTA] [--listen 127.0.0.1:8080] [--threads N]"_s,
        u"Serve a coleção a todos os navegadores da rede: as mesmas seções, buscas,\n"
        "resultados e documentos do programa, em páginas web e numa API JSON."_s,
        {
            QCommandLineOption(u"collection"_s,
                               u"a pasta da coleção (com db3.mdb) ou o próprio db3.mdb;\n"
                               "sem ela, CORVANEL_COLLECTION, a pasta do programa ou a\n"
                               "coleção instalada"_s,
                               u"PASTA"_s),
            QCommandLineOption(u"listen"_s,
                               u"endereço e porta de escuta (padrão 127.0.0.1:8080;\n"
                               "0.0.0.0:8080 para toda a rede)"_s,
                               u"IP:PORTA"_s),
            QCommandLineOption(u"threads"_s, u"linhas de execução que atendem (padrão 4)"_s,
                               u"N"_s),
        },
        u"Sinais: TERM termina depois de atender os pedidos em curso.\n"
        "\n"
        "Saída: 0 terminou normalmente; 1 a coleção não abriu ou a porta não está livre;\n"
        "2 erro de uso.\n"_s,
    };
}

}  // namespace

std::optional<ServeOptions> readServeCommandLine(const QStringList& arguments,
                                                 const QString& programFolder, QTextStream& out,
                                                 QTextStream& err, int& exitStatus) {
    cli::ProgramCommandLine commandLine(serveSyntax());
    commandLine.parse(arguments);
    if (const std::optional<int> answered = commandLine.answer(out, err)) {
        exitStatus = *answered;
        return std::nullopt;
    }
    const QCommandLineParser& parser = commandLine.parser();
    if (!parser.positionalArguments().isEmpty()) {
        exitStatus = commandLine.reportMistake(
            u"argumento a mais: "_s + parser.positionalArguments().constFirst(), err);
        return std::nullopt;
    }
    ServeOptions options;
    QString named = parser.value(u"collection"_s);
    QString source = u"--collection"_s;
    if (named.isEmpty()) {
        named = qEnvironmentVariable("CORVANEL_COLLECTION");
        source = u"CORVANEL_COLLECTION"_s;
    }
    if (named.isEmpty()) {
        options.collectionFolder = defaultCollectionFolder(programFolder);
    } else {
        QString problem;
        options.collectionFolder = namedCollectionFolder(named, problem);
        if (options.collectionFolder.isEmpty()) {
            exitStatus = commandLine.reportMistake(source + u": "_s + problem, err);
            return std::nullopt;
        }
    }
    if (parser.isSet(u"listen"_s)) {
        options.listen = parser.value(u"listen"_s);
    }
    if (parser.isSet(u"threads"_s)) {
        bool ok = false;
        options.threads = parser.value(u"threads"_s).toInt(&ok);
        if (!ok || options.threads < 1 || options.threads > kMaxThreads) {
            exitStatus = commandLine.reportMistake(
                u"--threads: um número de 1 a %1"_s.arg(kMaxThreads), err);
            return std::nullopt;
        }
    }
    exitStatus = cli::kExitSuccess;
    return options;
}

}  // namespace corvanel::web
