#include "CardLabels.h"

#include "Sqlite.h"

namespace corvanel {

const ListedDocument* CardLabels::listedAt(sqlite::Connection& connection, std::int64_t cod,
                                           std::int64_t textRow) {
    if (!loaded_) {
        // Read as the listing statements read them, so both give the same text.
        sqlite::Statement read(connection, "select titulo, cod, subtitulo, sessao from LABELS");
        while (read.step()) {
            ListedDocument& card = byCode_[read.int64(1)];
            card.title = read.text(0);
            card.code = read.text(1);
            card.subtitle = read.text(2);
            card.section = read.text(3);
        }
        loaded_ = true;
    }
    const auto found = byCode_.find(cod);
    if (found == byCode_.end()) {
        return nullptr;
    }
    found->textRow = textRow;
    return &found.value();
}

}  // namespace corvanel
