#pragma once

#include <QStringView>

// The result list's message boxes.
namespace corvanel::messages {

inline constexpr QStringView kNothingFound = u"Nenhum documento localizado para sua busca.";
inline constexpr QStringView kNoEarlierResults = u"Não existem resultados anteriores.";

}  // namespace corvanel::messages
