#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QTextStream;

namespace corvanel::cli {

// Exit statuses every program of ours returns.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitFailure = 1;  // the work itself failed
inline constexpr int kExitUsage = 2;    // the command line was wrong

// How a program is called: what --help prints.
struct ProgramSyntax {
    QString program;                    // "corvanel-query"
    QString synopsis;                   // the line after "Uso: "
    QString summary;                    // what the program does, one paragraph
    QList<QCommandLineOption> options;  // besides --help and --version
    QString closing;                    // what follows the options: exit statuses...
};

// Reads a command line with QCommandLineParser, answers --help and
// --version, and tells mistakes in Portuguese. Options are long options
// whether written with one dash or two.
class ProgramCommandLine {
public:
    explicit ProgramCommandLine(ProgramSyntax syntax);

    // arguments: without the program's name. False on a mistake; --help and
    // --version are still known then.
    bool parse(const QStringList& arguments);

    // After parse(): prints the mistake, the help or the version and returns
    // the exit status, in that order; nothing when the program should run.
    std::optional<int> answer(QTextStream& out, QTextStream& err) const;

    // Prints a mistake found in the parsed line with the usage line; returns kExitUsage.
    int reportMistake(const QString& problem, QTextStream& err) const;

    bool helpRequested() const { return parser_.isSet(help_); }
    bool versionRequested() const { return parser_.isSet(version_); }
    const QCommandLineParser& parser() const { return parser_; }

    QString helpText() const;
    QString versionText() const;
    // What parse() found wrong, as the user wrote it.
    QString mistake() const;

private:
    const QCommandLineOption* optionNamed(const QString& name) const;

    ProgramSyntax syntax_;
    QCommandLineOption help_;
    QCommandLineOption version_;
    QCommandLineParser parser_;
    QStringList arguments_;
    bool parsed_ = false;
};

}  // namespace corvanel::cli
