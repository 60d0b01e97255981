#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace corvanel {

namespace sqlite {
class Connection;
}

// Which text rows hold each string of one or two characters of the folded
// search text (SEARCH_SHORT): words too short for the trigram index are then
// answered from one small row instead of a scan of every text. A string's
// rows are a bitmap over text row numbers.
class ShortStringIndex {
public:
    static constexpr const char* kTable = "SEARCH_SHORT";
    static constexpr const char* kCreate =
        "CREATE TABLE SEARCH_SHORT (chars BLOB PRIMARY KEY, rows BLOB NOT NULL) WITHOUT ROWID";

    // The bitmaps will hold rows 0 to lastRow.
    explicit ShortStringIndex(std::int64_t lastRow);

    void add(std::int64_t row, std::string_view folded);
    void write(sqlite::Connection& connection) const;
    // How many strings the table in connection gives other rows than these,
    // counting those only one side holds: 0 when it is what write() leaves.
    // Throws DatabaseError.
    int entriesDifferingFrom(sqlite::Connection& connection) const;

    // The rows (ascending) whose folded text holds these one or two
    // characters. A bitmap longer than rows up to lastRow need is damage.
    // Throws DatabaseError.
    static std::vector<std::int64_t> matchingTextRows(sqlite::Connection& connection,
                                                      std::string_view chars, std::int64_t lastRow);

private:
    using Bitmap = std::vector<std::uint8_t>;
    template <typename Visit>
    void forEachEntry(Visit visit) const;
    Bitmap& bitmapOf(std::string_view chars);
    void set(Bitmap& bitmap, std::int64_t row) const;

    size_t bytes_;
    // Single ASCII characters and pairs of them, by code; the rest by text.
    std::vector<Bitmap> ascii_;
    std::unordered_map<std::string, Bitmap> other_;
};

}  // namespace corvanel
