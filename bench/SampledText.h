#pragma once

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace corvanel::bench {

// Pieces of the collection's own searchable text (each text row's four
// fields, folded for search as the index holds them), at random places of
// random rows: the words a reader pastes or types. The same seed always
// gives the same pieces. Lengths are in characters, from shortest to
// longest, each piece cut whole at both ends. Throws DatabaseError.
std::vector<std::string> sampledText(const QString& databasePath, int count, int shortest,
                                     int longest, std::uint64_t seed);

}  // namespace corvanel::bench
