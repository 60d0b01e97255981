// corvanel-bench-collection: writes a large generated collection for the
// benchmarks, as FOLDER/db3.mdb with FOLDER/ as its content root and the
// documents' pages in FOLDER/textos.
#include "CollectionGenerator.h"

#include "BuildError.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
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
    const QCommandLineOption noPages(
        QStringLiteral("no-pages"),
        QStringLiteral("Não grava as páginas dos documentos (textos/<cod>.htm), só o banco e os "
                       "arquivos fixos: mais rápido para coleções enormes, mas a verificação da "
                       "coleção as dará por faltantes."));
    parser.addOptions({documents, seed, out, noPages});
    parser.process(application);

    QTextStream err(stderr);
    corvanel::bench::GeneratorOptions options;
    bool numbers = true;
    bool ok = false;
    options.documents = parser.value(documents).toInt(&ok);
    numbers = numbers && ok && options.documents > 0;
    options.seed = parser.value(seed).toULongLong(&ok);
    numbers = numbers && ok;
    options.writePages = !parser.isSet(noPages);
    if (!numbers || !parser.isSet(out)) {
        err << QStringLiteral(
            "uso: corvanel-bench-collection --out PASTA [--documents N] [--seed S] "
            "[--no-pages]\n");
        return 2;
    }
    const QString folder = QDir(parser.value(out)).absolutePath() + u'/';
    try {
        corvanel::bench::generateCollection(folder + QStringLiteral("db3.mdb"), folder, options);
    } catch (const corvanel::collection::BuildError& error) {
        err << error.message() << u'\n';
        return 1;
    }
    return 0;
}
