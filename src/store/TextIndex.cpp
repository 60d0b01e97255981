#include "TextIndex.h"

#include "DatabaseError.h"
#include "SearchIndex.h"
#include "Sqlite.h"
#include "TextMatching.h"

#include <algorithm>
#include <thread>

namespace corvanel {

namespace {

// Below this much text one thread is quicker than starting another.
constexpr size_t kBytesPerThread = 16u << 20;
constexpr int kMostThreads = 4;

constexpr std::string_view kRowsQuery =
    "select T.rowid, L.titulo, L.pchave, L.subtitulo, T.conteudo "
    "from TEXTOS T, LABELS L where L.cod = T.cod_texto order by T.rowid";

}  // namespace

TextIndex TextIndex::load(const QString& databasePath, const std::atomic<bool>& stop) {
    TextIndex index;
    try {
        index.read(databasePath, stop);
    } catch (const DatabaseError& error) {
        throw DatabaseError(
            QStringLiteral("Erro ao preparar a busca por palavras: ") + error.message(),
            error.engineCode(), error.engineMessage());
    }
    return index;
}

void TextIndex::read(const QString& databasePath, const std::atomic<bool>& stop) {
    sqlite::Connection connection(databasePath, sqlite::OpenMode::ReadOnly);
    // Reads alone, not even a temporary table.
    connection.executeScript("PRAGMA query_only = 1");
    connection.setBusyTimeout(5000);
    sqlite::Statement row(connection, kRowsQuery);
    while (!stop.load(std::memory_order_relaxed) && row.step()) {
        rowids_.push_back(row.int64(0));
        rowStarts_.push_back(folded_.size());
        SearchIndex::appendRowText(row.utf8(1), row.utf8(2), row.utf8(3), row.utf8(4), folded_);
        folded_ += '\0';
    }
    rowStarts_.push_back(folded_.size());
    folded_.shrink_to_fit();
}

size_t TextIndex::firstRowFrom(size_t byte) const {
    const auto at = std::lower_bound(rowStarts_.begin(), rowStarts_.end() - 1, byte);
    return static_cast<size_t>(at - rowStarts_.begin());
}

int TextIndex::threadsFor(int requested) const {
    if (requested > 0) {
        return requested;
    }
    const auto hardware = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    const auto bySize = static_cast<int>(folded_.size() / kBytesPerThread) + 1;
    return std::min({hardware, bySize, kMostThreads});
}

std::vector<std::int64_t> TextIndex::matchingTextRows(const std::string& foldedWords,
                                                      int threads) const {
    if (foldedWords.empty()) {
        return rowids_;
    }
    const size_t rows = rowids_.size();
    std::vector<char> matched(rows, 0);
    const size_t parts =
        std::min(static_cast<size_t>(threadsFor(threads)), std::max<size_t>(rows, 1));
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
            workers.emplace_back(
                [&, part] { findText(foldedWords, bounds[part], bounds[part + 1], matched); });
        }
        findText(foldedWords, bounds[0], bounds[1], matched);
    }
    std::vector<std::int64_t> result;
    for (size_t row = 0; row < rows; ++row) {
        if (matched[row] != 0) {
            result.push_back(rowids_[row]);
        }
    }
    return result;
}

std::optional<std::string_view> TextIndex::foldedRow(std::int64_t rowid) const {
    const auto at = std::lower_bound(rowids_.begin(), rowids_.end(), rowid);
    if (at == rowids_.end() || *at != rowid) {
        return std::nullopt;
    }
    const auto row = static_cast<size_t>(at - rowids_.begin());
    // Without the '\0' that ends it.
    return std::string_view(folded_).substr(rowStart(row), rowStart(row + 1) - rowStart(row) - 1);
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
    pending_ =
        std::async(std::launch::async, [this] { return TextIndex::load(databasePath_, stop_); });
}

const TextIndex& TextIndexLoader::index() {
    if (!index_) {
        // get() leaves the future empty, so a failed load is tried afresh.
        index_ = pending_.valid() ? pending_.get() : TextIndex::load(databasePath_, stop_);
    }
    return *index_;
}

TextIndexMatcher::TextIndexMatcher(QString databasePath) : loader_(std::move(databasePath)) {}

void TextIndexMatcher::prepareInBackground() {
    loader_.start();
}

std::vector<std::int64_t> TextIndexMatcher::matchingTextRows(const QString& words) {
    const QByteArray utf8 = words.toUtf8();
    return loader_.index().matchingTextRows(
        searchFolded(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size()))));
}

void TextIndexMatcher::readFoldedRows(std::span<const std::int64_t> rows,
                                      const SearchIndex::FoldedRowVisitor& visit) {
    const TextIndex& index = loader_.index();
    for (const std::int64_t row : rows) {
        if (const std::optional<std::string_view> folded = index.foldedRow(row)) {
            visit(row, *folded);
        }
    }
}

}  // namespace corvanel
