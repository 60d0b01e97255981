#include "CommandLine.h"

#include "BuildError.h"
#include "CollectionBuild.h"

#include <QFileInfo>
#include <QHash>
#include <QTextStream>

namespace corvanel::collection {

namespace {

constexpr QStringView kProgram = u"corvanel-collection";

constexpr QStringView kUsage =
    u"Uso: corvanel-collection build --catalogue ARQUIVO --content PASTA --out ARQUIVO"
    u" [--root RAIZ]\n"
    u"\n"
    u"Monta o banco de dados de uma coleção (db3.mdb) a partir do catálogo e das páginas.\n"
    u"\n"
    u"  --catalogue ARQUIVO  catálogo em JSON Lines (UTF-8, um documento por linha)\n"
    u"  --content PASTA      pasta de conteúdo: o texto de um documento sem \"conteudo\"\n"
    u"                       no catálogo vem da página PASTA/textos/<cod>.htm\n"
    u"  --out ARQUIVO        banco de dados a criar: um arquivo comum ou um caminho\n"
    u"                       novo; um arquivo que já exista só é substituído se a\n"
    u"                       montagem terminar sem erro\n"
    u"  --root RAIZ          raiz do conteúdo gravada no banco (padrão: o caminho\n"
    u"                       absoluto de PASTA, terminado pelo separador)\n"
    u"\n"
    u"Saída: 0 montado, 1 erro na montagem, 2 erro de uso.\n";

struct UsageError {
    QString problem;
};

BuildOptions parseBuildOptions(const QStringList& arguments) {
    const QHash<QString, QString BuildOptions::*> fields{
        {QStringLiteral("--catalogue"), &BuildOptions::cataloguePath},
        {QStringLiteral("--content"), &BuildOptions::contentDir},
        {QStringLiteral("--out"), &BuildOptions::outputPath},
        {QStringLiteral("--root"), &BuildOptions::root},
    };
    BuildOptions options;
    QHash<QString, bool> seen;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString name = arguments.at(i);
        QString value;
        bool hasValue = false;
        const qsizetype equals = name.indexOf(u'=');
        if (name.startsWith(u"--") && equals > 0) {
            value = name.mid(equals + 1);
            name.truncate(equals);
            hasValue = true;
        }
        const auto field = fields.constFind(name);
        if (field == fields.cend()) {
            throw UsageError{name.startsWith(u'-')
                                 ? QStringLiteral("opção desconhecida \"%1\"").arg(name)
                                 : QStringLiteral("argumento inesperado \"%1\"").arg(name)};
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                throw UsageError{QStringLiteral("falta o valor de %1").arg(name)};
            }
            value = arguments.at(++i);
        }
        if (seen.value(name)) {
            throw UsageError{QStringLiteral("%1 foi dada mais de uma vez").arg(name)};
        }
        seen.insert(name, true);
        options.*(field.value()) = value;
    }
    for (const QString& required :
         {QStringLiteral("--catalogue"), QStringLiteral("--content"), QStringLiteral("--out")}) {
        if ((options.*(fields.value(required))).isEmpty()) {
            throw UsageError{QStringLiteral("falta %1").arg(required)};
        }
    }
    return options;
}

}  // namespace

int runCommandLine(const QStringList& arguments, QTextStream& out, QTextStream& err) {
    if (!arguments.isEmpty() && (arguments.first() == u"--help" || arguments.first() == u"-h" ||
                                 arguments.first() == u"ajuda")) {
        out << kUsage;
        return 0;
    }
    BuildOptions options;
    try {
        if (arguments.isEmpty()) {
            throw UsageError{QStringLiteral("falta o comando")};
        }
        if (arguments.first() != u"build") {
            throw UsageError{QStringLiteral("comando desconhecido \"%1\"").arg(arguments.first())};
        }
        options = parseBuildOptions(arguments.mid(1));
    } catch (const UsageError& error) {
        err << kProgram + u": " + error.problem + u"\n\n" + kUsage;
        return 2;
    }
    try {
        const BuildReport report = build(options);
        out << QStringLiteral("%1: %2 documentos, %3 textos (páginas lidas: %4), raiz \"%5\"\n")
                   .arg(QFileInfo(options.outputPath).fileName())
                   .arg(report.cards)
                   .arg(report.textRows)
                   .arg(report.pagesRead)
                   .arg(report.root);
        return 0;
    } catch (const BuildError& error) {
        err << kProgram + u": erro: " + error.message() + u'\n';
        return 1;
    }
}

}  // namespace corvanel::collection
