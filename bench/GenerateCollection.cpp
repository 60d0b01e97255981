// corvanel-bench-collection: writes a large generated collection for the
// benchmarks, as FOLDER/db3.mdb with FOLDER/ as its content root.
#include "CollectionGenerator.h"

#include "BuildError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Gera uma coleção grande, de documentos fictícios, para as medições."));
    parser.addHelpOption();
    const QCommandLineOption documents(QStringLiteral("documents"),
                                       QStringLiteral("Número de documentos."), QStringLiteral("N"),
                                       QStringLiteral("20000"));
    const QCommandLineOption seed(QStringLiteral("seed"), QStringLiteral("Semente."),
                                  QStringLiteral("S"), QStringLiteral("1"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("Pasta da coleção."),
                                 QStringLiteral("PASTA"));
    parser.addOptions({documents, seed, out});
    parser.process(application);

    QTextStream err(stderr);
    corvanel::bench::GeneratorOptions options;
    bool numbers = true;
    bool ok = false;
    options.documents = parser.value(documents).toInt(&ok);
    numbers = numbers && ok && options.documents > 0;
    options.seed = parser.value(seed).toULongLong(&ok);
    numbers = numbers && ok;
    if (!numbers || !parser.isSet(out)) {
        err << QStringLiteral(
            "uso: corvanel-bench-collection --out PASTA [--documents N] [--seed S]\n");
        return 2;
    }
    const QString folder = QDir(parser.value(out)).absolutePath() + u'/';
    try {
        QDir().mkpath(folder);
        QFile marker(folder + QStringLiteral("labels.dat"));
        if (!marker.open(QIODevice::WriteOnly)) {
            err << QStringLiteral("não foi possível gravar em %1\n").arg(folder);
            return 1;
        }
        corvanel::bench::generateCollection(folder + QStringLiteral("db3.mdb"), folder, options);
    } catch (const corvanel::collection::BuildError& error) {
        err << error.message() << u'\n';
        return 1;
    }
    return 0;
}
