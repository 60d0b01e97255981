#include "TextIndex.h"

#include "DatabaseError.h"
#include "TextMatching.h"

#include <QFile>

#include <sqlite3.h>

#include <algorithm>
#include <thread>

namespace corvanel {

namespace {

// Below this much text one thread is quicker than starting another.
constexpr size_t kBytesPerThread = 16u << 20;
constexpr int kMostThreads = 4;

constexpr const char* kRowsQuery =
    "select T.rowid, L.titulo, L.pchave, L.subtitulo, T.conteudo "
    "from TEXTOS T, LABELS L where L.cod = T.cod_texto order by T.rowid";

class ReadConnection {
public:
    explicit ReadConnection(const QString& path) {
        // SQLite hands out a connection even when opening fails, and a throw
        // from here skips the destructor.
        try {
            if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_, SQLITE_OPEN_READONLY,
                                nullptr) != SQLITE_OK) {
                fail();
            }
            sqlite3_busy_timeout(db_, 5000);
            if (sqlite3_prepare_v2(db_, kRowsQuery, -1, &statement_, nullptr) != SQLITE_OK) {
                fail();
            }
        } catch (...) {
            sqlite3_close_v2(db_);
            throw;
        }
    }
    ~ReadConnection() {
        sqlite3_finalize(statement_);
        sqlite3_close_v2(db_);
    }
    ReadConnection(const ReadConnection&) = delete;
    ReadConnection& operator=(const ReadConnection&) = delete;

    bool step() {
        const int rc = sqlite3_step(statement_);
        if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
            fail();
        }
        return rc == SQLITE_ROW;
    }

    sqlite3_stmt* statement() const { return statement_; }

private:
    [[noreturn]] void fail() const {
        throw DatabaseError(QStringLiteral("Erro ao preparar a busca por palavras: ") +
                            QString::fromUtf8(db_ != nullptr ? sqlite3_errmsg(db_) : "sem memória"));
    }

    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
};

}  // namespace

TextIndex TextIndex::load(const QString& databasePath, const std::atomic<bool>& stop) {
    TextIndex index;
    ReadConnection connection(databasePath);
    sqlite3_stmt* row = connection.statement();
    while (!stop.load(std::memory_order_relaxed) && connection.step()) {
        index.rowids_.push_back(sqlite3_column_int64(row, 0));
        std::uint8_t nulls = 0;
        for (int f = 0; f < kFields; ++f) {
            index.fieldStarts_.push_back(index.folded_.size());
            const int column = f + 1;
            if (sqlite3_column_type(row, column) == SQLITE_NULL) {
                nulls |= static_cast<std::uint8_t>(1u << f);
            } else {
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(row, column));
                appendFolded(std::string_view(text, static_cast<size_t>(
                                                        sqlite3_column_bytes(row, column))),
                             index.folded_);
            }
            index.folded_ += '\0';
        }
        index.nullFields_.push_back(nulls);
    }
    index.fieldStarts_.push_back(index.folded_.size());
    index.folded_.shrink_to_fit();
    return index;
}

size_t TextIndex::firstRowFrom(size_t byte) const {
    size_t low = 0;
    size_t high = rowids_.size();
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        if (rowStart(middle) < byte) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return low;
}

std::string_view TextIndex::field(size_t row, int f) const {
    const size_t at = row * kFields + static_cast<size_t>(f);
    return std::string_view(folded_.data() + fieldStarts_[at],
                            fieldStarts_[at + 1] - fieldStarts_[at] - 1);
}

int TextIndex::threadsFor(int requested) const {
    if (requested > 0) {
        return requested;
    }
    const auto hardware = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto bySize = static_cast<int>(folded_.size() / kBytesPerThread) + 1;
    return std::min({hardware, bySize, kMostThreads});
}

std::vector<std::int64_t> TextIndex::matchingTextRows(const LikePattern& pattern,
                                                      int threads) const {
    const size_t rows = rowids_.size();
    std::vector<char> matched(rows, 0);
    const size_t parts = std::min(static_cast<size_t>(threadsFor(threads)), std::max<size_t>(rows, 1));
    // Parts of about the same number of bytes, each scanned by its own
    // thread into its own rows of matched.
    std::vector<size_t> bounds{0};
    for (size_t part = 1; part < parts; ++part) {
        bounds.push_back(firstRowFrom(folded_.size() * part / parts));
    }
    bounds.push_back(rows);
    {
        std::vector<std::jthread> workers;
        for (size_t part = 1; part < parts; ++part) {
            workers.emplace_back([&, part] {
                matchRows(pattern, bounds[part], bounds[part + 1], matched);
            });
        }
        matchRows(pattern, bounds[0], bounds[1], matched);
    }
    std::vector<std::int64_t> result;
    for (size_t row = 0; row < rows; ++row) {
        if (matched[row] != 0) {
            result.push_back(rowids_[row]);
        }
    }
    return result;
}

void TextIndex::matchRows(const LikePattern& pattern, size_t first, size_t last,
                          std::vector<char>& matched) const {
    const std::string* text = pattern.containedText();
    if (text != nullptr && !text->empty() && text->find('\0') == std::string::npos) {
        findText(*text, first, last, matched);
        return;
    }
    for (size_t row = first; row < last; ++row) {
        for (int f = 0; f < kFields; ++f) {
            if (!isNull(row, f) && pattern.matchesFolded(field(row, f))) {
                matched[row] = 1;
                break;
            }
        }
    }
}

// One pass over the rows' bytes: after a hit the rest of that row is skipped.
void TextIndex::findText(const std::string& text, size_t first, size_t last,
                         std::vector<char>& matched) const {
    const std::string_view rows(folded_.data(), rowStart(last));
    size_t at = rowStart(first);
    size_t row = first;
    while (at < rows.size()) {
        const size_t offset = rows.find(text, at);
        if (offset == std::string_view::npos) {
            return;
        }
        while (row + 1 < last && rowStart(row + 1) <= offset) {
            ++row;
        }
        matched[row] = 1;
        at = rowStart(row + 1);
    }
}

TextIndexLoader::TextIndexLoader(QString databasePath) : databasePath_(std::move(databasePath)) {}

TextIndexLoader::~TextIndexLoader() {
    stop_ = true;
    if (pending_.valid()) {
        pending_.wait();
    }
}

void TextIndexLoader::start() {
    if (index_ || pending_.valid()) {
        return;
    }
    pending_ = std::async(std::launch::async,
                          [this] { return TextIndex::load(databasePath_, stop_); });
}

const TextIndex& TextIndexLoader::index() {
    if (!index_) {
        // get() leaves the future empty, so a failed load is tried afresh.
        index_ = pending_.valid() ? pending_.get() : TextIndex::load(databasePath_, stop_);
    }
    return *index_;
}

}  // namespace corvanel
