#include "SampledText.h"

#include "SearchIndex.h"
#include "Sqlite.h"
#include "TextMatching.h"

#include <random>

namespace corvanel::bench {

namespace {

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

// The byte where the character after `characters` more begins, or the end.
size_t advance(std::string_view text, size_t at, int characters) {
    for (; at < text.size(); ++at) {
        if (startsCharacter(text[at]) && characters-- == 0) {
            break;
        }
    }
    return at;
}

}  // namespace

std::vector<std::string> sampledText(const QString& databasePath, int count, int shortest,
                                     int longest, std::uint64_t seed) {
    sqlite::Connection db(databasePath, sqlite::OpenMode::ReadOnly);
    const std::int64_t lastRow = SearchIndex::lastTextRow(db);
    sqlite::Statement fields(db,
                             "select L.titulo, L.pchave, L.subtitulo, T.conteudo from TEXTOS T "
                             "join LABELS L on L.cod = T.cod_texto where T.rowid = ?");
    std::mt19937_64 random(seed);
    std::vector<std::string> pieces;
    std::string folded;
    for (int attempts = 0; static_cast<int>(pieces.size()) < count && attempts < count * 100;
         ++attempts) {
        const std::int64_t row = std::uniform_int_distribution<std::int64_t>(1, lastRow)(random);
        const int length = std::uniform_int_distribution<int>(shortest, longest)(random);
        fields.reset();
        fields.bind(1, row);
        if (!fields.step()) {
            continue;
        }
        folded.clear();
        SearchIndex::appendRowText(fields.utf8(0), fields.utf8(1), fields.utf8(2), fields.utf8(3),
                                   folded);
        const size_t characters = characterCount(folded);
        if (characters < static_cast<size_t>(length)) {
            continue;
        }
        const auto first = static_cast<int>(std::uniform_int_distribution<size_t>(
            0, characters - static_cast<size_t>(length))(random));
        const size_t begin = advance(folded, 0, first);
        std::string piece = folded.substr(begin, advance(folded, begin, length) - begin);
        // A piece over two fields is found in neither.
        if (piece.find('\n') == std::string::npos) {
            pieces.push_back(std::move(piece));
        }
    }
    return pieces;
}

}  // namespace corvanel::bench
