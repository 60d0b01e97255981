#pragma once

#include <QStringView>

// What the program says about itself and its publisher.
namespace corvanel::Publisher {

inline constexpr QStringView kProgramVersion = u"1.05";

inline constexpr QStringView kSupportEmail = u"suporte@corvanel.org.br";

// The publisher's update-check page; the program's version follows "?versao=".
inline constexpr QStringView kUpdateCheckPage = u"https://atualizacao.corvanel.org.br/verifica.asp";

}  // namespace corvanel::Publisher
