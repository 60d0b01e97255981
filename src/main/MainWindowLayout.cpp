#include "MainWindowLayout.h"

#include "Version.h"

#include <algorithm>

namespace corvanel::main_window {

namespace {

using namespace categories;

constexpr QStringView kTreeHint = u"Clique Aqui para exibir o conteúdo do diretório";
constexpr QRect kSectionTree{200, 120, 540, 240};
constexpr Font kSectionTreeFont{u"Arial", 13};
constexpr Font kSansSerif13{u"MS Sans Serif", 13};
constexpr QPoint kDescription{24, 208};

// clang-format off
constexpr MainWindowLayout kLayout{
    .caption = u"Corvanel",
    .outerSize = {786, 600},
    .frame = {13, 53},
    .font = {u"MS Sans Serif", 11},

    .banner = {u"Image1", u"main-banner.png", {3, 3, 553, 85}},
    .logosBackdrop = {u"Image38", u"main-logos.png", {550, 2, 211, 78}},
    .logos = {u"Image2", u"main-logos.png", {550, 3, 211, 78}},
    .associationArea = {u"Image9", {552, 8, 73, 65}},
    .partnerArea = {u"Image21", {632, 8, 129, 57}},
    .commandButtons = {{
        {u"RlApresentacao", {13, 17}},
        {u"RlBuscaGeral", {153, 17}},
        {u"RlLumbra", {275, 17}},
        {u"RlAtualizar", {407, 17}},
    }},
    .tabs = {{
        {{u"RlInicio", {6, 78}}, {u"BtInicio", u"tab-inicio-selected.png", {6, 81, 108, 24}}},
        {{u"RlTextos", {115, 78}}, {u"BtTextos", u"tab-textos-selected.png", {116, 81, 108, 24}}},
        {{u"RlLegislacao", {224, 78}}, {u"BtLegislacao", u"tab-legislacao-selected.png", {225, 81, 108, 24}}},
        {{u"RlJulgados", {333, 78}}, {u"BtJulgados", u"tab-julgados-selected.png", {334, 81, 107, 24}}},
        {{u"RlExperiencias", {441, 78}}, {u"BtExperiencias", u"tab-experiencias-selected.png", {442, 81, 98, 24}}},
        {{u"RlModelos", {541, 78}}, {u"BtModelos", u"tab-modelos-selected.png", {542, 81, 108, 24}}},
        {{u"RlCiclos", {648, 78}}, {u"BtCiclos", u"tab-ciclos-selected.png", {652, 81, 108, 24}}},
    }},

    .greenBar = {u"Barra_verde", {9, 104, 751, 18}},
    .greenStrip = {u"Panel6", {9, 472, 170, 9}},
    .leftEdge = {u"Panel2", {3, 2, 6, 542}},
    .rightEdge = {u"Panel4", {757, 3, 10, 511}},
    .tabRowEnd = {u"Panel7", {648, 78, 113, 26}},
    .footer = {u"Panel5", {8, 480, 760, 64}},
    .footerPicture = {u"Image3", u"main-footer.png", {0, 0, 760, 64}},
    .helpButton = {u"Tavik1", {664, 25}},
    .footerLeft = {u"Panel3", {8, 499, 550, 45}},
    .footerLeftPicture = {u"Image39", u"main-footer-left.png", {0, 0, 550, 45}},

    .pages = {5, 123, 745, 356},
    .start = {
        .name = u"PgInicio",
        .column = {u"Image6", u"column-inicio.png", {4, -1, 178, 360}},
        .labels = {{
            {u"Edição I - Março/04", {24, 208}},
            {kVersionCaption, {24, 224}},
            {u"Total de Doc.: ", {24, 240}},
        }},
        // Wider than first drawn (32, and 20 for the counters): five digits of
        // the substituted font need the room.
        .totalDisplay = {u"MaskEdit7", {120, 240, 44, 21}},
        .totalMask = u"00000; ",
        .browserPanel = {u"Panel1", {208, 35, 489, 289}},
        .browser = {u"Nav2", {-8, -16, 529, 329}},
    },
    .presentation = {
        .page = {u"PApresentacao", {192, 136, 553, 337}},
        .strip = {u"Image37", u"main-presentation-strip.png", {16, 8, 529, 33}},
        .title = {u"O Lumbra", {16, 24}},
        .titleFont = {u"Arial", 15},
    },
    .sectionCommon = {
        .descriptionWidth = 129,
        .descriptionFont = {u"Arial", 11},
        .counterCaption = {u"Doc. Cadastrados:", {34, 296}},
        .counter = {128, 296, 44, 21},
        .listingButton = {22, 312},
        .topStrip = {u"topStrip", u"main-section-strip.png", {210, 12, 525, 14}},
        .bottomStrip = {u"bottomStrip", u"main-section-strip.png", {210, 72, 525, 14}},
        .searchCaption = {u"Buscar por", {210, 35}},
        .searchField = {288, 32, 200, 24},
        .wholeWordsBox = {288, 56, 140, 16},
        .whereCaption = {u"onde", {490, 35}},
        .filter = {528, 32, 145, 21},
        .searchButton = {680, 30},
        .questionButton = {704, 30},
        .treeCaption = {u"Buscar no Diretório", {210, 96}},
    },
    .sections = {{
        {Section::Textos, u"PgTextos", {{}, u"column-textos.png", {4, -1, 178, 360}},
         u"Lista textos doutrinários, \npor autor, título e \ntemática.", kDescription,
         u"Edit3", kSansSerif13, u"TBox", kTBoxItems, u"Tavik2", u"Tavik3", u"Tavik17",
         u"TotTextos", TreeId::Textos},
        {Section::Legislacao, u"PgLegislacao", {{}, u"column-legislacao.png", {4, -1, 175, 360}},
         u"Lista as principais \nnormas internacionais e \nnacionais por temática.", kDescription,
         u"Edit4", kSansSerif13, u"LBox", kLBoxItems, u"Tavik12", u"Tavik13", u"Tavik16",
         u"TotLegislacao", TreeId::Legislacao},
        {Section::Julgados, u"PgJulgados", {{}, u"column-julgados.png", {4, -1, 178, 360}},
         u"Lista os principais \njulgados de Tribunais e \nsentenças por temática.", kDescription,
         u"Edit5", kSansSerif13, u"JBox", kJBoxItems, u"Tavik10", u"Tavik11", u"Tavik15",
         u"TotJulgados", TreeId::Julgados},
        {Section::Experiencias, u"PgExperiencias", {{}, u"column-experiencias.png", {4, -1, 178, 360}},
         u"Lista programas, \nprojetos, campanhas e \nmanuais por temática.", kDescription,
         u"Edit6", kSansSerif13, u"DBox", kDBoxItems, u"Tavik8", u"Tavik9", u"Tavik14",
         u"TotExperiencias", TreeId::Experiencias},
        {Section::Modelos, u"PgModelos", {{}, u"column-modelos.png", {4, -1, 178, 360}},
         u"Lista, por categoria e\ntemas, petições\niniciais, recursos,\npareceres e, também, \n"
         u"termos de ajustamento,\nrecomendações e outros.", {24, 192},
         u"Edit7", kSansSerif13, u"MBox", kMBoxItems, u"Tavik6", u"Tavik7", u"Tavik19",
         u"TotModelos", TreeId::Modelos},
        {Section::Ciclos, u"PgCiclos", {{}, u"column-ciclos.png", {4, -1, 178, 360}},
         u"Lista textos por ciclos \nde vida.", kDescription,
         u"Edit9", {u"Arial", 13}, u"ComboBox3", kComboBox3Items, u"Tavik4", u"Tavik5", u"Tavik18",
         u"TotCiclos", TreeId::Ciclos},
    }},

    .menu = {{
        {u"Arquivo", u"Abrir coleção...", u"AbrirColecao1", Qt::CTRL | Qt::Key_O, MenuCommand::AbrirColecao},
        {u"Arquivo", u"Documentos recentes", u"DocumentosRecentes1", Qt::Key_unknown, MenuCommand::DocumentosRecentes},
        {u"Arquivo", u"Limpar histórico", u"LimparHistorico1", Qt::Key_unknown, MenuCommand::LimparHistorico},
        {u"Arquivo", u"Sair", u"Sair1", Qt::CTRL | Qt::Key_X, MenuCommand::Sair},
        {u"Pesquisar", u"Localizar", u"Localizar1", Qt::CTRL | Qt::Key_F, MenuCommand::Localizar},
        {u"Pesquisar", u"Listar Lumbra", u"ListarLumbra1", Qt::CTRL | Qt::Key_A, MenuCommand::ListarLumbra},
        {u"Exibir", u"Início", u"Incio1", Qt::CTRL | Qt::Key_H, MenuCommand::Inicio},
        {u"Exibir", u"Textos", u"extos1", Qt::CTRL | Qt::Key_T, MenuCommand::Textos},
        {u"Exibir", u"Legislação", u"Legislao1", Qt::CTRL | Qt::Key_L, MenuCommand::Legislacao},
        {u"Exibir", u"Julgados", u"Julgados1", Qt::CTRL | Qt::Key_J, MenuCommand::Julgados},
        {u"Exibir", u"Experiências", u"Experincias1", Qt::CTRL | Qt::Key_E, MenuCommand::Experiencias},
        {u"Exibir", u"Modelos", u"Modelos1", Qt::CTRL | Qt::Key_M, MenuCommand::Modelos},
        {u"Exibir", u"Ciclos de Vida", u"CiclosdeVida1", Qt::ControlModifier | Qt::AltModifier | Qt::Key_A, MenuCommand::Ciclos},
        {u"Exibir", u"Trechos", u"Trechos1", Qt::Key_unknown, MenuCommand::Trechos},
        {u"Sobre", u"Atualizar", u"Atualizar1", Qt::Key_unknown, MenuCommand::Atualizar},
        {u"Sobre", u"Ajuda", u"Ajuda1", Qt::Key_unknown, MenuCommand::Ajuda},
        {u"Sobre", u"Versão", u"EquipedeDesenvolvimento1", Qt::Key_unknown, MenuCommand::Versao},
    }},

    .trees = {{
        {TreeId::Textos, u"TTextos", kTextosNodes, kSectionTree, kSectionTreeFont, true, kTreeHint, true},
        {TreeId::Legislacao, u"TLegislacao", kLegislacaoNodes, kSectionTree, kSectionTreeFont, true, kTreeHint, false},
        {TreeId::Julgados, u"TJulgados", kJulgadosNodes, kSectionTree, kSectionTreeFont, true, kTreeHint, false},
        {TreeId::Experiencias, u"TExperiencias", kExperienciasNodes, kSectionTree, kSectionTreeFont, true, kTreeHint, false},
        {TreeId::Modelos, u"TModelos", kModelosNodes, kSectionTree, kSectionTreeFont, true, kTreeHint, false},
        {TreeId::Ciclos, u"TCiclos", kCiclosNodes, kSectionTree, kSectionTreeFont, true, kTreeHint, false},
        {TreeId::Apresentacao, u"TApresentacao", kApresentacaoNodes, {8, 56, 505, 249}, {u"Arial", 12}, false, {}, false},
    }},
};
// clang-format on

}  // namespace

const MainWindowLayout& mainWindowLayout() {
    return kLayout;
}

const SectionPageLayout& sectionPageLayout(Section section) {
    return kLayout.sections.at(static_cast<std::size_t>(section));
}

const TreeLayout& treeLayout(TreeId tree) {
    return kLayout.trees.at(static_cast<std::size_t>(tree));
}

}  // namespace corvanel::main_window
