#include "PictureButtonConfigurations.h"

#include <QString>

#include <array>
#include <stdexcept>

namespace corvanel {

namespace {

using Bevel = PictureButton::Bevel;

constexpr QSize kBadge{27, 27};

// clang-format off
constexpr std::array kConfigurations{
    // Main window: section tabs.
    PictureButtonConfiguration{u"TForm1", u"RlInicio", {115, 37}, u"tab-inicio.png", u"tab-inicio-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Início"},
    PictureButtonConfiguration{u"TForm1", u"RlTextos", {125, 33}, u"tab-textos.png", u"tab-textos-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Textos"},
    PictureButtonConfiguration{u"TForm1", u"RlLegislacao", {119, 33}, u"tab-legislacao.png", u"tab-legislacao-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Legislação"},
    PictureButtonConfiguration{u"TForm1", u"RlJulgados", {119, 33}, u"tab-julgados.png", u"tab-julgados-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Julgados"},
    PictureButtonConfiguration{u"TForm1", u"RlExperiencias", {126, 33}, u"tab-experiencias.png", u"tab-experiencias-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Experiências"},
    PictureButtonConfiguration{u"TForm1", u"RlModelos", {119, 33}, u"tab-modelos.png", u"tab-modelos-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Modelos"},
    PictureButtonConfiguration{u"TForm1", u"RlCiclos", {116, 33}, u"tab-ciclos.png", u"tab-ciclos-hover.png", {}, kWhite, kSystemHighlightText, Bevel::None, kSystemButtonFace, {}, u"Ciclos de Vida"},

    // Main window: header command buttons.
    PictureButtonConfiguration{u"TForm1", u"RlApresentacao", {129, 33}, u"command-apresentacao.png", u"command-apresentacao-hover.png", {}, kSystemActiveBorder, kSystemMenu, Bevel::Raised, kSystemButtonFace, u"Clique para Ajuda", {}},
    PictureButtonConfiguration{u"TForm1", u"RlBuscaGeral", {116, 33}, u"command-busca-geral.png", u"command-busca-geral-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::Raised, kSystemButtonFace, u"Buscar Documento", {}},
    PictureButtonConfiguration{u"TForm1", u"RlLumbra", {125, 33}, u"command-lumbra-geral.png", u"command-lumbra-geral-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::Raised, kSystemButtonFace, u"Listar Lumbra", {}},
    PictureButtonConfiguration{u"TForm1", u"RlAtualizar", {117, 33}, u"command-atualizacao.png", u"command-atualizacao-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::Raised, kSystemButtonFace, u"Atualizar Lumbra", {}},

    // Main window: search and question buttons of the section pages.
    PictureButtonConfiguration{u"TForm1", u"Tavik2", {24, 24}, u"icon-search.png", u"icon-search-hover.png", {}, kWhite, kSystemButtonHighlight, Bevel::None, kSystemButtonFace, {}, u"Buscar em Textos"},
    PictureButtonConfiguration{u"TForm1", u"Tavik3", {26, 24}, u"icon-question.png", u"icon-question-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Dúvidas sobre a busca"},
    PictureButtonConfiguration{u"TForm1", u"Tavik4", {24, 24}, u"icon-search.png", u"icon-search-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Buscar em Ciclos de Vida"},
    PictureButtonConfiguration{u"TForm1", u"Tavik5", {26, 24}, u"icon-question.png", u"icon-question-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Dúvidas sobre a busca"},
    PictureButtonConfiguration{u"TForm1", u"Tavik6", {24, 24}, u"icon-search.png", u"icon-search-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Buscar em Modelos"},
    PictureButtonConfiguration{u"TForm1", u"Tavik7", {26, 24}, u"icon-question.png", u"icon-question-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Dúvidas sobre a busca"},
    PictureButtonConfiguration{u"TForm1", u"Tavik8", {25, 24}, u"icon-search.png", u"icon-search-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Buscar em Experiências"},
    PictureButtonConfiguration{u"TForm1", u"Tavik9", {26, 24}, u"icon-question.png", u"icon-question-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Dúvidas sobre a busca"},
    PictureButtonConfiguration{u"TForm1", u"Tavik10", {24, 24}, u"icon-search.png", u"icon-search-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Buscar em Julgados"},
    PictureButtonConfiguration{u"TForm1", u"Tavik11", {26, 24}, u"icon-question.png", u"icon-question-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Dúvidas sobre a busca"},
    PictureButtonConfiguration{u"TForm1", u"Tavik12", {24, 24}, u"icon-search.png", u"icon-search-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Buscar em Legislação"},
    PictureButtonConfiguration{u"TForm1", u"Tavik13", {26, 24}, u"icon-question.png", u"icon-question-hover.png", {}, kWhite, kWhite, Bevel::None, kSystemButtonFace, {}, u"Dúvidas sobre a busca"},

    // Main window: section listing buttons, words only.
    PictureButtonConfiguration{u"TForm1", u"Tavik14", {130, 22}, {}, {}, u"Listar lumbra da seção", kWindowGreen, kWhite, Bevel::None, kSystemButtonFace, {}, {}},
    PictureButtonConfiguration{u"TForm1", u"Tavik15", {130, 22}, {}, {}, u"Listar lumbra da seção", kWindowGreen, kWhite, Bevel::None, kSystemButtonFace, {}, {}},
    PictureButtonConfiguration{u"TForm1", u"Tavik16", {130, 22}, {}, {}, u"Listar lumbra da seção", kWindowGreen, kWhite, Bevel::None, kSystemButtonFace, {}, {}},
    PictureButtonConfiguration{u"TForm1", u"Tavik17", {130, 22}, {}, {}, u"Listar lumbra da seção", kWindowGreen, kWhite, Bevel::None, kSystemButtonFace, {}, {}},
    PictureButtonConfiguration{u"TForm1", u"Tavik18", {130, 22}, {}, {}, u"Listar lumbra da seção", kWindowGreen, kWhite, Bevel::None, kSystemButtonFace, {}, {}},
    PictureButtonConfiguration{u"TForm1", u"Tavik19", {130, 22}, {}, {}, u"Listar lumbra da seção", kWindowGreen, kWhite, Bevel::None, kSystemButtonFace, {}, {}},

    // Main window: help button in the bottom band.
    PictureButtonConfiguration{u"TForm1", u"Tavik1", {70, 23}, u"help-ajuda.png", u"help-ajuda-hover.png", {}, kLightGrey, kLightGrey, Bevel::None, kSystemButtonFace, {}, u"Ajuda"},

    // Result-list window.
    PictureButtonConfiguration{u"TTextos", u"Bt_busca", kBadge, u"badge-search.png", u"badge-search-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::None, kSystemDesktop, {}, u"Buscar"},
    PictureButtonConfiguration{u"TTextos", u"Tavik3", kBadge, u"badge-narrow.png", u"badge-narrow-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::None, kSystemDesktop, u"Buscar Resultados", {}},
    PictureButtonConfiguration{u"TTextos", u"Tavik4", {25, 28}, u"badge-back.png", u"badge-back-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::None, kSystemDesktop, u"Voltar", {}},
    PictureButtonConfiguration{u"TTextos", u"Tavik1", kBadge, u"badge-help.png", u"badge-help-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::None, kSystemDesktop, {}, u"Ajuda"},

    // Document viewer.
    PictureButtonConfiguration{u"TForm10", u"Bt_Salvar", kBadge, u"badge-save.png", u"badge-save-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::None, kSystemDesktop, {}, u"Salvar"},
    PictureButtonConfiguration{u"TForm10", u"Bt_imprimir", kBadge, u"badge-print.png", u"badge-print-hover.png", {}, kSystemActiveBorder, kSystemActiveBorder, Bevel::None, kSystemDesktop, {}, u"Imprimir"},
};
// clang-format on

}  // namespace

std::span<const PictureButtonConfiguration> pictureButtonConfigurations() {
    return kConfigurations;
}

const PictureButtonConfiguration& pictureButtonConfiguration(QStringView window, QStringView name) {
    for (const PictureButtonConfiguration& configuration : kConfigurations) {
        if (configuration.window == window && configuration.name == name) {
            return configuration;
        }
    }
    throw std::out_of_range("no picture button " + window.toString().toStdString() + "." +
                            name.toString().toStdString());
}

void applyConfiguration(PictureButton& button, const PictureButtonConfiguration& configuration) {
    button.setObjectName(configuration.name.toString());
    button.resize(configuration.size);
    button.setOuterBevel(configuration.outerBevel);
    button.setPanelColour(configuration.panelColour);
    button.setToolTip(configuration.hint.toString());
    button.setAccessibleName(configuration.spokenName.toString());
    button.setWords(configuration.words.isEmpty() ? QStringList()
                                                  : QStringList{configuration.words.toString()});
    button.setPictureFiles(configuration.picture.toString(), configuration.hoverPicture.toString());
    button.setHoverColour(configuration.hoverColour);
    button.setLeaveColour(configuration.leaveColour);
}

}  // namespace corvanel
