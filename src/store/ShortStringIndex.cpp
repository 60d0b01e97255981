#include "ShortStringIndex.h"

#include "Sqlite.h"

#include <QByteArray>

namespace corvanel {

namespace {

constexpr size_t kAsciiKeys = 128 + 128 * 128;

size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if ((lead & 0xE0) == 0xC0) {
        return 2;
    }
    return (lead & 0xF0) == 0xE0 ? 3 : 4;
}

}  // namespace

ShortStringIndex::ShortStringIndex(std::int64_t lastRow)
    : bytes_(static_cast<size_t>(std::max<std::int64_t>(lastRow, 0)) / 8 + 1), ascii_(kAsciiKeys) {}

ShortStringIndex::Bitmap& ShortStringIndex::bitmapOf(std::string_view chars) {
    auto found = other_.find(std::string(chars));
    if (found == other_.end()) {
        found = other_.emplace(std::string(chars), Bitmap(bytes_)).first;
    }
    return found->second;
}

void ShortStringIndex::set(Bitmap& bitmap, std::int64_t row) const {
    if (bitmap.empty()) {
        bitmap.resize(bytes_);
    }
    bitmap[static_cast<size_t>(row) / 8] |= static_cast<std::uint8_t>(1u << (row % 8));
}

void ShortStringIndex::add(std::int64_t row, std::string_view folded) {
    if (row < 0 || static_cast<size_t>(row) / 8 >= bytes_) {
        return;
    }
    // Line breaks part the fields: no word holds one.
    size_t previous = std::string_view::npos;
    size_t previousLength = 0;
    for (size_t at = 0; at < folded.size();) {
        const auto lead = static_cast<unsigned char>(folded[at]);
        const size_t length = std::min(sequenceLength(lead), folded.size() - at);
        if (lead == '\n') {
            previous = std::string_view::npos;
            at += length;
            continue;
        }
        const bool asciiPair =
            previous != std::string_view::npos && previousLength == 1 && length == 1;
        if (length == 1) {
            set(ascii_[lead], row);
        } else {
            set(bitmapOf(folded.substr(at, length)), row);
        }
        if (asciiPair) {
            const auto first = static_cast<unsigned char>(folded[previous]);
            set(ascii_[128 + first * 128 + lead], row);
        } else if (previous != std::string_view::npos) {
            set(bitmapOf(folded.substr(previous, previousLength + length)), row);
        }
        previous = at;
        previousLength = length;
        at += length;
    }
}

template <typename Visit>
void ShortStringIndex::forEachEntry(Visit visit) const {
    for (size_t code = 0; code < kAsciiKeys; ++code) {
        if (ascii_[code].empty()) {
            continue;
        }
        std::string chars;
        if (code < 128) {
            chars += static_cast<char>(code);
        } else {
            chars += static_cast<char>((code - 128) / 128);
            chars += static_cast<char>((code - 128) % 128);
        }
        visit(chars, ascii_[code]);
    }
    for (const auto& [chars, bitmap] : other_) {
        visit(chars, bitmap);
    }
}

void ShortStringIndex::write(sqlite::Connection& connection) const {
    sqlite::Statement insert(connection, "insert into SEARCH_SHORT (chars, rows) values (?, ?)");
    forEachEntry([&](const std::string& chars, const Bitmap& bitmap) {
        insert.bind(1, QByteArray(chars.data(), static_cast<qsizetype>(chars.size())));
        insert.bind(2, QByteArray(reinterpret_cast<const char*>(bitmap.data()),
                                  static_cast<qsizetype>(bitmap.size())));
        insert.step();
        insert.reset();
    });
}

int ShortStringIndex::entriesDifferingFrom(sqlite::Connection& connection) const {
    // Bitmaps are compared up to their last row held: their lengths follow
    // the highest row number when they were made.
    const auto rowsHeld = [](const char* bytes, size_t size) {
        while (size > 0 && bytes[size - 1] == 0) {
            --size;
        }
        return std::string_view(bytes, size);
    };
    std::unordered_map<std::string, std::string_view> expected;
    forEachEntry([&](const std::string& chars, const Bitmap& bitmap) {
        expected.emplace(chars,
                         rowsHeld(reinterpret_cast<const char*>(bitmap.data()), bitmap.size()));
    });
    int differing = 0;
    sqlite::Statement stored(connection, "select chars, rows from SEARCH_SHORT");
    while (stored.step()) {
        const QByteArray chars = stored.blob(0);
        const QByteArray rows = stored.blob(1);
        const auto found = expected.find(std::string(chars.constData(), chars.size()));
        const std::string_view want = found == expected.end() ? std::string_view() : found->second;
        if (rowsHeld(rows.constData(), static_cast<size_t>(rows.size())) != want) {
            ++differing;
        }
        if (found != expected.end()) {
            expected.erase(found);
        }
    }
    for (const auto& [chars, rows] : expected) {
        differing += rows.empty() ? 0 : 1;
    }
    return differing;
}

std::vector<std::int64_t> ShortStringIndex::matchingTextRows(sqlite::Connection& connection,
                                                             std::string_view chars,
                                                             std::int64_t lastRow) {
    // A bitmap longer than the rows need is never read at all.
    const std::int64_t longest = std::max<std::int64_t>(lastRow, 0) / 8 + 1;
    sqlite::Statement query(connection,
                            "select length(rows), case when length(rows) <= ? then rows end "
                            "from SEARCH_SHORT where chars = ?");
    query.bind(1, longest);
    query.bind(2, QByteArray(chars.data(), static_cast<qsizetype>(chars.size())));
    std::vector<std::int64_t> rows;
    if (!query.step()) {
        return rows;
    }
    if (query.int64(0) > longest) {
        throw sqlite::damagedValue(
            QStringLiteral("SEARCH_SHORT tem %1 bytes para \"%2\", mais que os %3 das linhas")
                .arg(query.int64(0))
                .arg(QString::fromUtf8(chars.data(), static_cast<qsizetype>(chars.size())))
                .arg(longest));
    }
    const QByteArray bitmap = query.blob(1);
    for (qsizetype byte = 0; byte < bitmap.size(); ++byte) {
        const auto bits = static_cast<unsigned char>(bitmap[byte]);
        for (int bit = 0; bits != 0 && bit < 8; ++bit) {
            if ((bits >> bit) & 1u) {
                rows.push_back(byte * 8 + bit);
            }
        }
    }
    return rows;
}

}  // namespace corvanel
