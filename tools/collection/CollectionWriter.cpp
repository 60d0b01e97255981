#include "CollectionWriter.h"

#include "BuildError.h"
#include "OutputFile.h"

#include <DatabaseError.h>
#include <PortugueseCollation.h>
#include <Schema.h>

#include <QFile>

#include <sqlite3.h>

namespace corvanel::collection {

// The writing connection on the temporary file and its two insert statements.
class CollectionWriter::Connection {
public:
    explicit Connection(const QString& path) {
        try {
            if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                                SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
                fail(QStringLiteral("não foi possível criar o banco de dados \"%1\"").arg(path));
            }
            // The file is thrown away on any failure, so it needs no rollback
            // journal; the one commit still syncs it before it is renamed.
            execute("PRAGMA journal_mode = OFF");
            execute("PRAGMA locking_mode = EXCLUSIVE");
            execute("PRAGMA cache_size = -65536");
            // Schema::create declares titles in the program's collation, which
            // SQLite wants to know at CREATE TABLE.
            PortugueseCollation::registerWith(db_);
            execute("BEGIN");
        } catch (...) {
            sqlite3_close_v2(db_);
            throw;
        }
    }

    ~Connection() {
        sqlite3_finalize(insertLabel_);
        sqlite3_finalize(insertText_);
        sqlite3_close_v2(db_);
    }

    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    void createTables(const QString& root) {
        try {
            Schema::create(db_, Schema::programPassword());
        } catch (const DatabaseError& error) {
            throw BuildError(
                QStringLiteral("não foi possível criar as tabelas: %1").arg(error.message()));
        }
        sqlite3_stmt* control = prepare("INSERT INTO CONTROLE (topo, tipo) VALUES (1, ?)");
        const QByteArray rootText = root.toUtf8();
        sqlite3_bind_text(control, 1, rootText.constData(), static_cast<int>(rootText.size()),
                          SQLITE_STATIC);
        const int rc = sqlite3_step(control);
        sqlite3_finalize(control);
        if (rc != SQLITE_DONE) {
            fail(QStringLiteral("não foi possível gravar a raiz do conteúdo"));
        }
        insertLabel_ = prepare(
            "INSERT INTO LABELS (cod, titulo, subtitulo, sessao, categoria, pchave) "
            "VALUES (?, ?, ?, ?, ?, ?)");
        insertText_ = prepare("INSERT INTO TEXTOS (cod_texto, conteudo) VALUES (?, ?)");
    }

    void add(const Card& card) {
        const QByteArray fields[] = {card.titulo.toUtf8(), card.subtitulo.toUtf8(),
                                     card.sessao.toUtf8(), card.categoria.toUtf8(),
                                     card.pchave.toUtf8()};
        sqlite3_bind_int64(insertLabel_, 1, card.cod);
        for (int i = 0; i < 5; ++i) {
            bindText(insertLabel_, i + 2, fields[i]);
        }
        run(insertLabel_, card.cod);
        for (const QString& text : card.texts) {
            const QByteArray content = text.toUtf8();
            sqlite3_bind_int64(insertText_, 1, card.cod);
            bindText(insertText_, 2, content);
            run(insertText_, card.cod);
        }
    }

    void commit() {
        sqlite3_finalize(insertLabel_);
        sqlite3_finalize(insertText_);
        insertLabel_ = insertText_ = nullptr;
        execute("COMMIT");
        if (sqlite3_close(db_) != SQLITE_OK) {
            fail(QStringLiteral("não foi possível fechar o banco de dados"));
        }
        db_ = nullptr;
    }

private:
    // Empty fields are stored as empty text, not NULL, so LIKE sees them.
    static void bindText(sqlite3_stmt* statement, int index, const QByteArray& text) {
        sqlite3_bind_text(statement, index, text.constData(), static_cast<int>(text.size()),
                          SQLITE_STATIC);
    }

    void run(sqlite3_stmt* statement, qint64 cod) {
        const int rc = sqlite3_step(statement);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        if (rc != SQLITE_DONE) {
            fail(QStringLiteral("não foi possível gravar o documento %1").arg(cod));
        }
    }

    void execute(const char* sql) {
        if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) {
            fail(QStringLiteral("erro do banco de dados"));
        }
    }

    sqlite3_stmt* prepare(const char* sql) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) {
            fail(QStringLiteral("erro do banco de dados"));
        }
        return statement;
    }

    [[noreturn]] void fail(const QString& context) const {
        const char* message = db_ != nullptr ? sqlite3_errmsg(db_) : "sem memória";
        throw BuildError(context + u": " + QString::fromUtf8(message));
    }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* insertLabel_ = nullptr;
    sqlite3_stmt* insertText_ = nullptr;
};

CollectionWriter::CollectionWriter(const QString& outputPath, const QString& root)
    : output_(std::make_unique<OutputFile>(outputPath)),
      connection_(std::make_unique<Connection>(output_->temporaryPath())) {
    connection_->createTables(root);
}

CollectionWriter::~CollectionWriter() = default;

void CollectionWriter::add(const Card& card) {
    if (!connection_) {
        throw BuildError(QStringLiteral("o banco de dados já foi fechado"));
    }
    connection_->add(card);
}

void CollectionWriter::commit() {
    if (!connection_) {
        throw BuildError(QStringLiteral("o banco de dados já foi fechado"));
    }
    connection_->commit();
    connection_.reset();
    output_->replaceOutput();
}

void writeCollection(const QString& outputPath, const QList<Card>& cards, const QString& root) {
    CollectionWriter writer(outputPath, root);
    for (const Card& card : cards) {
        writer.add(card);
    }
    writer.commit();
}

}  // namespace corvanel::collection
