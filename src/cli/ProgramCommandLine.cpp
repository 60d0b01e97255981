#include "ProgramCommandLine.h"

#include "Version.h"

#include <QTextStream>

#include <algorithm>
#include <utility>

namespace corvanel::cli {

namespace {

// The option's name without its dashes and without "=value".
QString nameIn(const QString& argument) {
    const qsizetype dashes = argument.startsWith(u"--") ? 2 : 1;
    return argument.mid(dashes).section(u'=', 0, 0);
}

bool looksLikeOption(const QString& argument) {
    return argument.size() > 1 && argument.startsWith(u'-') && argument != u"--";
}

QString labelOf(const QCommandLineOption& option) {
    QStringList names;
    for (const QString& name : option.names()) {
        names << QString((name.size() == 1 ? u"-" : u"--") + name);
    }
    QString label = names.join(u", ");
    if (!option.valueName().isEmpty()) {
        label += u' ' + option.valueName();
    }
    return label;
}

}  // namespace

ProgramCommandLine::ProgramCommandLine(ProgramSyntax syntax)
    : syntax_(std::move(syntax)),
      help_({QStringLiteral("h"), QStringLiteral("help")},
            QStringLiteral("mostra esta ajuda e sai")),
      version_({QStringLiteral("v"), QStringLiteral("version")},
               QStringLiteral("mostra a versão e sai")) {
    parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser_.addOption(help_);
    parser_.addOption(version_);
    parser_.addOptions(syntax_.options);
}

bool ProgramCommandLine::parse(const QStringList& arguments) {
    arguments_ = arguments;
    // The parser skips the first word, the program's name.
    parsed_ = parser_.parse(QStringList{syntax_.program} + arguments);
    return parsed_;
}

std::optional<int> ProgramCommandLine::answer(QTextStream& out, QTextStream& err) const {
    if (!parsed_) {
        return reportMistake(mistake(), err);
    }
    if (helpRequested()) {
        out << helpText();
        return kExitSuccess;
    }
    if (versionRequested()) {
        out << versionText();
        return kExitSuccess;
    }
    return std::nullopt;
}

int ProgramCommandLine::reportMistake(const QString& problem, QTextStream& err) const {
    err << syntax_.program << QStringView(u": ") << problem << QStringView(u"\nUso: ")
        << syntax_.synopsis << QStringView(u"\nUse \"") << syntax_.program
        << QStringView(u" --help\" para ver todas as opções.\n");
    return kExitUsage;
}

QString ProgramCommandLine::helpText() const {
    QList<const QCommandLineOption*> shown{&help_, &version_};
    for (const QCommandLineOption& option : syntax_.options) {
        if (!option.flags().testFlag(QCommandLineOption::HiddenFromHelp)) {
            shown << &option;
        }
    }
    qsizetype width = 0;
    for (const QCommandLineOption* option : shown) {
        width = std::max(width, labelOf(*option).size());
    }
    const QString indent(width + 4, u' ');

    QString text = u"Uso: " + syntax_.synopsis + u"\n\n";
    if (!syntax_.summary.isEmpty()) {
        text += syntax_.summary + u"\n\n";
    }
    text += u"Opções:\n";
    for (const QCommandLineOption* option : shown) {
        const QStringList lines = option->description().split(u'\n');
        text += u"  " + labelOf(*option).leftJustified(width + 2) + lines.first() + u'\n';
        for (qsizetype i = 1; i < lines.size(); ++i) {
            text += indent + lines.at(i) + u'\n';
        }
    }
    if (!syntax_.closing.isEmpty()) {
        text += u'\n' + syntax_.closing;
        if (!text.endsWith(u'\n')) {
            text += u'\n';
        }
    }
    return text;
}

QString ProgramCommandLine::versionText() const {
    return syntax_.program + u" (Corvanel) " + kProgramVersion + u'\n';
}

QString ProgramCommandLine::mistake() const {
    const QStringList unknown = parser_.unknownOptionNames();
    if (!unknown.isEmpty()) {
        for (const QString& argument : arguments_) {
            if (looksLikeOption(argument) && nameIn(argument) == unknown.first()) {
                return u"opção desconhecida: " + argument.section(u'=', 0, 0);
            }
        }
        return u"opção desconhecida: --" + unknown.first();
    }
    // Otherwise the parser stopped at an option's value: walk the line as it does.
    for (qsizetype i = 0; i < arguments_.size(); ++i) {
        const QString& argument = arguments_.at(i);
        if (argument == u"--") {
            break;
        }
        const QCommandLineOption* option =
            looksLikeOption(argument) ? optionNamed(nameIn(argument)) : nullptr;
        if (option == nullptr) {
            continue;
        }
        const QString written = argument.section(u'=', 0, 0);
        const bool valueAttached = argument.contains(u'=');
        if (option->valueName().isEmpty()) {
            if (valueAttached) {
                return QStringLiteral("%1 não leva valor").arg(written);
            }
        } else if (!valueAttached) {
            if (i + 1 >= arguments_.size()) {
                return QStringLiteral("falta o valor de %1").arg(written);
            }
            ++i;
        }
    }
    return parser_.errorText();
}

const QCommandLineOption* ProgramCommandLine::optionNamed(const QString& name) const {
    for (const QCommandLineOption* option : {&help_, &version_}) {
        if (option->names().contains(name)) {
            return option;
        }
    }
    for (const QCommandLineOption& option : syntax_.options) {
        if (option.names().contains(name)) {
            return &option;
        }
    }
    return nullptr;
}

}  // namespace corvanel::cli
