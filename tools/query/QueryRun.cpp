#include "QueryRun.h"

#include "Collection.h"

#include "ConnectionString.h"
#include "Database.h"
#include "DatabaseError.h"
#include "QueryScript.h"
#include "ResultListHost.h"
#include "ResultListLogic.h"
#include "SearchWords.h"

#include <QFileInfo>
#include <QTextStream>

namespace corvanel::query {

namespace {

// Collects the message boxes of one step.
class PrintingHost final : public ResultListHost {
public:
    void showMessage(const QString& text) override { messages << text; }
    QStringList messages;
};

QString& fieldOf(RequestFields& fields, FieldWrite::Field field) {
    switch (field) {
        case FieldWrite::Field::tipo:
            return fields.kind;
        case FieldWrite::Field::Edit4:
            return fields.argument;
        case FieldWrite::Field::Edit3:
            return fields.words;
        case FieldWrite::Field::Aux:
            return fields.adoptedSection;
        case FieldWrite::Field::SUBCAT:
            return fields.subcategory;
        case FieldWrite::Field::SUBCATOK:
            break;
    }
    return fields.subcategoryMode;
}

QString connectionStringOf(const QString& path) {
    return QFileInfo(path).isDir() ? connectionStringFor(path) : connectionStringForFile(path);
}

class ScriptRun {
public:
    ScriptRun(const QString& connectionString, const TextLineBreaker& decisionLines, bool passages,
              QTextStream& out)
        : collection_(connectionString),
          logic_(collection_, host_, decisionLines),
          out_(out),
          passages_(passages) {}

    ResultListLogic& logic() { return logic_; }

    // Runs one operation and prints what it leaves; false when it failed.
    template <typename Operation>
    bool perform(Operation&& operation) {
        host_.messages.clear();
        std::optional<DocumentToOpen> opened;
        bool succeeded = true;
        lines_.clear();
        try {
            opened = operation();
            lines_ = logic_.lines().lines();
        } catch (const std::exception& error) {
            const auto* databaseError = dynamic_cast<const DatabaseError*>(&error);
            host_.messages << (databaseError != nullptr ? databaseError->message()
                                                        : QString::fromUtf8(error.what()));
            succeeded = false;
            readLinesBeforeTheError();
        }
        print(opened);
        return succeeded;
    }

private:
    void print(const std::optional<DocumentToOpen>& opened) {
        const QStringList& keys = logic_.lines().keys();
        const ResultLines& lines = logic_.lines();
        for (qsizetype i = 0; i < lines_.size(); ++i) {
            // A document's passage closes its lines, before the separator.
            if (passages_ && lines.isSeparator(i) && lines.textRowOf(i)) {
                printPassage(i);
            }
            out_ << lines_[i] << u'\t' << keys[i] << u'\n';
        }
        for (const QString& message : host_.messages) {
            out_ << QStringView(u"! ") << message << u'\n';
        }
        if (opened) {
            out_ << QStringView(u"> ") << opened->address << u'\n';
        }
        out_ << QStringView(u"# count=") << logic_.rowCount() << QStringView(u" scope=")
             << logic_.scopeName() << QStringView(u" level=") << logic_.level()
             << QStringView(u" tipo=") << logic_.fields.kind << u'\n';
        out_.flush();
    }

    void printPassage(qsizetype line) {
        try {
            const QString shown = logic_.passageOfLine(line).shown();
            if (!shown.isEmpty()) {
                out_ << QStringView(u"» ") << shown << u'\n';
            }
        } catch (const DatabaseError& error) {
            host_.messages << error.message();
        }
    }

    // The lines up to the first that cannot be read.
    void readLinesBeforeTheError() noexcept {
        const ResultLines& lines = logic_.lines();
        try {
            for (qsizetype i = lines_.size(); i < lines.size(); ++i) {
                lines_ << lines.line(i);
            }
        } catch (const std::exception&) {
            // Told already.
        }
    }

    PrintingHost host_;
    QStringList lines_;
    Collection collection_;
    ResultListLogic logic_;
    QTextStream& out_;
    bool passages_;
};

std::optional<DocumentToOpen> runStep(ResultListLogic& logic, const Step& step) {
    switch (step.kind) {
        case Step::Kind::Search:
            logic.search();
            break;
        case Step::Kind::Narrow:
            logic.narrow();
            break;
        case Step::Kind::Back:
            logic.stepBack();
            break;
        case Step::Kind::Open:
            return logic.openLine(step.row);
    }
    return std::nullopt;
}

}  // namespace

int runQueryScript(const QueryScript& script, const TextLineBreaker& decisionLines,
                   QTextStream& out, QTextStream& err) {
    ScriptRun run(connectionStringOf(script.database), decisionLines, script.passages, out);
    ResultListLogic& logic = run.logic();
    logic.fields.wholeWords = script.wholeWords;
    logic.fields.arrangement = script.arrangement;
    try {
        logic.collection().readContentRoot();
    } catch (const DatabaseError& error) {
        err << error.message() << u'\n';
        return cli::kExitUsage;
    }

    bool succeeded = true;
    bool shown = false;
    const auto showOnce = [&] {
        if (!shown) {
            shown = true;
            succeeded &= run.perform([&] {
                logic.showRequest();
                return std::optional<DocumentToOpen>();
            });
        }
    };
    for (const Action& action : script.actions) {
        if (const auto* write = std::get_if<FieldWrite>(&action)) {
            QString value = write->value;
            if (write->field == FieldWrite::Field::Edit3 && value.size() > kLongestSearchWords) {
                value = boundedSearchWords(value);
                err << QStringLiteral(
                           "aviso: --edit3 tem %1 caracteres; a busca aceita até %2, "
                           "e só os primeiros são buscados.\n")
                           .arg(write->value.size())
                           .arg(kLongestSearchWords);
            }
            fieldOf(logic.fields, write->field) = value;
            continue;
        }
        showOnce();
        succeeded &= run.perform([&] { return runStep(logic, std::get<Step>(action)); });
    }
    showOnce();
    return succeeded ? cli::kExitSuccess : cli::kExitFailure;
}

int runQuery(const QStringList& arguments, const TextLineBreaker& decisionLines, QTextStream& out,
             QTextStream& err) {
    cli::ProgramCommandLine commandLine(querySyntax());
    commandLine.parse(arguments);
    if (const std::optional<int> answered = commandLine.answer(out, err)) {
        return *answered;
    }
    QString error;
    const std::optional<QueryScript> script = scriptFrom(commandLine.parser(), error);
    if (!script) {
        return commandLine.reportMistake(error, err);
    }
    return runQueryScript(*script, decisionLines, out, err);
}

}  // namespace corvanel::query
