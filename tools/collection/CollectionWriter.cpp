#include "CollectionWriter.h"

#include "BuildError.h"
#include "OutputFile.h"

#include <DatabaseError.h>
#include <PortugueseCollation.h>
#include <Schema.h>
#include <SearchIndex.h>
#include <Sqlite.h>

#include <QFile>

#include <cstdint>
#include <optional>

namespace corvanel::collection {

// The writing connection on the temporary file and its two insert statements.
class CollectionWriter::Connection {
public:
    explicit Connection(const QString& path) : db_(open(path)) {
        guarded(QStringLiteral("erro do banco de dados"), [&] {
            // The file is thrown away on any failure, so it needs no rollback
            // journal; the one commit still syncs it before it is renamed.
            db_.executeScript("PRAGMA journal_mode = OFF");
            db_.executeScript("PRAGMA locking_mode = EXCLUSIVE");
            db_.executeScript("PRAGMA cache_size = -65536");
            // Schema::create declares titles in the program's collation, which
            // SQLite wants to know at CREATE TABLE.
            PortugueseCollation::registerWith(db_);
            db_.executeScript("BEGIN");
        });
    }

    void createTables(const QString& root, const QString& edition) {
        try {
            Schema::create(db_, Schema::programPassword());
        } catch (const DatabaseError& error) {
            throw BuildError(
                QStringLiteral("não foi possível criar as tabelas: %1").arg(error.message()));
        }
        guarded(QStringLiteral("não foi possível gravar a raiz do conteúdo"), [&] {
            sqlite::Statement control(db_,
                                      "INSERT INTO CONTROLE (topo, tipo, edicao) VALUES (1, ?, ?)");
            control.bind(1, root);
            if (edition.isEmpty()) {
                control.bind(2, nullptr);
            } else {
                control.bind(2, edition);
            }
            control.step();
        });
        guarded(QStringLiteral("erro do banco de dados"), [&] {
            insertLabel_.emplace(
                db_,
                "INSERT INTO LABELS (cod, titulo, subtitulo, sessao, categoria, pchave) "
                "VALUES (?, ?, ?, ?, ?, ?)");
            insertText_.emplace(db_, "INSERT INTO TEXTOS (cod_texto, conteudo) VALUES (?, ?)");
        });
    }

    void add(const Card& card) {
        guarded(QStringLiteral("não foi possível gravar o documento %1").arg(card.cod), [&] {
            // Empty fields are stored as empty text, not NULL, so LIKE sees them.
            const QString* fields[] = {&card.titulo, &card.subtitulo, &card.sessao, &card.categoria,
                                       &card.pchave};
            insertLabel_->bind(1, static_cast<std::int64_t>(card.cod));
            for (int i = 0; i < 5; ++i) {
                insertLabel_->bind(i + 2, *fields[i]);
            }
            run(*insertLabel_);
            for (const QString& text : card.texts) {
                insertText_->bind(1, static_cast<std::int64_t>(card.cod));
                insertText_->bind(2, text);
                run(*insertText_);
            }
        });
    }

    void commit() {
        insertLabel_.reset();
        insertText_.reset();
        guarded(QStringLiteral("não foi possível montar o índice de busca"),
                [&] { SearchIndex::build(db_); });
        guarded(QStringLiteral("erro do banco de dados"), [&] { db_.executeScript("COMMIT"); });
        guarded(QStringLiteral("não foi possível fechar o banco de dados"), [&] { db_.close(); });
    }

private:
    static sqlite::Connection open(const QString& path) {
        try {
            return sqlite::Connection(path, sqlite::OpenMode::Create);
        } catch (const DatabaseError& error) {
            throw BuildError(error.message());
        }
    }

    static void run(sqlite::Statement& statement) {
        statement.step();
        statement.reset();
    }

    template <typename Work>
    static void guarded(const QString& context, Work&& work) {
        try {
            work();
        } catch (const DatabaseError& error) {
            const QString& reason = error.engineMessage();
            throw BuildError(context + u": " + (reason.isEmpty() ? error.message() : reason));
        }
    }

    sqlite::Connection db_;
    // Finalised before the connection closes.
    std::optional<sqlite::Statement> insertLabel_;
    std::optional<sqlite::Statement> insertText_;
};

CollectionWriter::CollectionWriter(const QString& outputPath, const QString& root,
                                   const QString& edition)
    : output_(std::make_unique<OutputFile>(outputPath)),
      connection_(std::make_unique<Connection>(output_->temporaryPath())) {
    connection_->createTables(root, edition);
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
