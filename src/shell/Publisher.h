#pragma once

#include "Version.h"

#include <QStringView>

// What the program says about itself and its publisher.
namespace corvanel::Publisher {

using corvanel::kProgramVersion;

inline constexpr QStringView kSupportEmail = u"suporte@corvanel.org.br";

// The publisher's update-check page; the program's version follows "?versao=".
inline constexpr QStringView kUpdateCheckPage = u"https://atualizacao.corvanel.org.br/verifica.asp";

}  // namespace corvanel::Publisher
