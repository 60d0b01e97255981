#pragma once

#include "RequestFields.h"

#include <QString>

#include <optional>

namespace corvanel {

// What a window asks of the result-list window. A field left unset keeps
// whatever the result-list window holds.
struct ResultRequest {
    std::optional<QString> kind{};
    std::optional<QString> words{};
    std::optional<QString> argument{};
    std::optional<QString> adoptedSection{};
    std::optional<QString> subcategory{};
    std::optional<QString> subcategoryMode{};
    bool clearsLists = false;

    bool operator==(const ResultRequest&) const = default;

    // Writes the fields it sets into fields.
    void writeInto(RequestFields& fields) const {
        const auto write = [](const std::optional<QString>& value, QString& field) {
            if (value) {
                field = *value;
            }
        };
        write(kind, fields.kind);
        write(words, fields.words);
        write(argument, fields.argument);
        write(adoptedSection, fields.adoptedSection);
        write(subcategory, fields.subcategory);
        write(subcategoryMode, fields.subcategoryMode);
    }
};

}  // namespace corvanel
