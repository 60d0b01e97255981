#include "MainWindowLayout.h"

#include "Version.h"

#include <algorithm>

namespace corvanel::main_window {

namespace {

// ---------------------------------------------------------------------------
// Category trees. The theme block recurs in five trees, each with its own codes.

constexpr QStringView kHeading = u"X";
constexpr QStringView kTematica = u"Temática";
constexpr QStringView kOperadores = u"Operadores do Sistema de Garantia";

constexpr std::array<QStringView, 7> kThemes{
    u"História, Procedimentos e Princípios do Direito da Criança e do Adolescente",
    u"Direito à Vida e à Saúde",
    u"Direito à Educação, à Cultura, ao Esporte e ao Lazer",
    u"Direito à Convivência Familiar e Comunitária",
    u"Proibição do Trabalho Infantil e o Direito à Profissionalização e à Proteção no Trabalho",
    u"Direito à Liberdade, Dignidade e Respeito",
    u"Ato Infracional e Medidas Sócio-Educativas",
};

constexpr std::array<QStringView, 4> kOperators{
    u"Poder Judiciário",
    u"Ministério Público",
    u"Conselhos e Fundos",
    u"Advocacia",
};

template <std::size_t N>
using Nodes = std::array<TreeNode, N>;

// The seven themes, one level down.
constexpr Nodes<7> themes(const std::array<QStringView, 7>& codes) {
    Nodes<7> nodes{};
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        nodes[i] = {1, kThemes[i], codes[i]};
    }
    return nodes;
}

// The operators heading and its four children.
constexpr Nodes<5> operators(QStringView caption, const std::array<QStringView, 4>& codes) {
    Nodes<5> nodes{};
    nodes[0] = {1, caption, kHeading};
    for (std::size_t i = 0; i < codes.size(); ++i) {
        nodes[i + 1] = {2, kOperators[i], codes[i]};
    }
    return nodes;
}

template <std::size_t... N>
constexpr auto joined(const Nodes<N>&... parts) {
    Nodes<(N + ...)> all{};
    auto next = all.begin();
    ((next = std::copy(parts.begin(), parts.end(), next)), ...);
    return all;
}

constexpr auto kTextosNodes =
    joined(Nodes<3>{{{0, u"Autor", u"A01"}, {0, u"Título", u"A02"}, {0, kTematica, kHeading}}},
           themes({u"A03", u"A04", u"A05", u"A06", u"A07", u"A08", u"A09"}),
           operators(kOperadores, {u"A10", u"A11", u"A12", u"A13"}));

constexpr auto kLegislacaoNodes =
    joined(Nodes<6>{{{0, u"Internacional", u"B01"},
                     {0, u"Nacional", kHeading},
                     {1, u"Federal", u"B02"},
                     {1, u"Estadual", u"B03"},
                     {1, u"Atos Normativos Federais", u"B04"},
                     {0, kTematica, kHeading}}},
           themes({u"B05", u"B06", u"B07", u"B08", u"B09", u"B10", u"B11"}),
           operators(kOperadores, {u"B12", u"B13", u"B14", u"B15"}),
           Nodes<1>{{{0, u"Links de Atualização Legislativa", u"B16"}}});

// "PE" lists C44, as "Advocacia" does; C11 and C43 belong to no node.
constexpr Nodes<27> kStates{{
    {2, u"AC", u"C17"}, {2, u"AL", u"C18"}, {2, u"AP", u"C19"}, {2, u"AM", u"C20"},
    {2, u"BA", u"C21"}, {2, u"CE", u"C22"}, {2, u"DF", u"C23"}, {2, u"ES", u"C24"},
    {2, u"GO", u"C25"}, {2, u"MA", u"C26"}, {2, u"MT", u"C27"}, {2, u"MS", u"C28"},
    {2, u"MG", u"C29"}, {2, u"PA", u"C30"}, {2, u"PB", u"C31"}, {2, u"PE", u"C44"},
    {2, u"PR", u"C32"}, {2, u"PI", u"C33"}, {2, u"RJ", u"C34"}, {2, u"RN", u"C35"},
    {2, u"RS", u"C36"}, {2, u"RO", u"C37"}, {2, u"RR", u"C38"}, {2, u"SC", u"C39"},
    {2, u"SP", u"C40"}, {2, u"SE", u"C41"}, {2, u"TO", u"C42"},
}};

constexpr auto kJulgadosNodes =
    joined(Nodes<1>{{{0, kTematica, kHeading}}},
           themes({u"C01", u"C02", u"C03", u"C04", u"C05", u"C06", u"C07"}),
           operators(kOperadores, {u"C08", u"C09", u"C10", u"C44"}),
           Nodes<10>{{{0, u"Decisões Monocráticas", u"H01"},
                      {0, u"Tribunais", kHeading},
                      {1, u"Superiores", kHeading},
                      {2, u"STF", u"C12"},
                      {2, u"STJ", u"C13"},
                      {2, u"TST", u"C14"},
                      {1, u"Regionais", kHeading},
                      {2, u"TRF", u"C15"},
                      {2, u"TRT", u"C16"},
                      {1, u"Estaduais", kHeading}}},
           kStates);

constexpr auto kExperienciasNodes =
    joined(Nodes<3>{{{0, u"Programas, Projetos e Campanhas", u"D01"},
                     {0, u"Manuais", u"D02"},
                     {0, kTematica, kHeading}}},
           themes({u"D03", u"D04", u"D05", u"D06", u"D07", u"D08", u"D09"}),
           operators(kOperadores, {u"D10", u"D11", u"D12", u"D13"}));

constexpr auto kModelosNodes =
    joined(Nodes<4>{{{0, u"Iniciais", u"E01"},
                     {0, u"Recursos, Pareceres, Requerimentos e Outros", u"E02"},
                     {0, u"Termos de Ajustamento e de Cooperação e Convênios", u"E03"},
                     {0, kTematica, kHeading}}},
           themes({u"E04", u"E05", u"E06", u"E07", u"E08", u"E09", u"E10"}),
           operators(u"Operadores do Sistema de Garantias", {u"E11", u"E12", u"E13", u"E14"}));

constexpr Nodes<4> kCiclosNodes{{
    {0, u"Antes do Nascimento (Nascituro)", u"F01"},
    {0, u"Criança (0 a 6 anos)", u"F06"},
    {0, u"Criança/Adolescente (7 a 14 anos)", u"F11"},
    {0, u"Adolescente (12 a 18 anos)", u"F16"},
}};

// Here the codes are page names, and the operators node has no children.
constexpr auto kApresentacaoNodes =
    joined(Nodes<3>{{{0, u"Apresentação", u"A01"},
                     {0, u"O Conselho Editorial ", u"A02"},
                     {0, u"As Áreas Temáticas ", kHeading}}},
           themes({u"A03", u"A04", u"A05", u"A06", u"A07", u"A08", u"A09"}),
           Nodes<3>{{{1, kOperadores, u"A10"},
                     {0, u"Os Ciclos de Vida", u"A11"},
                     {0, u"Antecedentes", u"A12"}}});

// ---------------------------------------------------------------------------
// Section filters: item index -> sub-category code (empty: none).

constexpr std::array<FilterItem, 3> kTBoxItems{
    {{u"Todos", {}}, {u"Autor", u"A01"}, {u"Título", u"A02"}}};
constexpr std::array<FilterItem, 3> kLBoxItems{
    {{u"Todos", {}}, {u"Internacional", u"B01"}, {u"Nacional", u"B02"}}};
constexpr std::array<FilterItem, 3> kJBoxItems{
    {{u"Todos", {}}, {u"Decisões Monocráticas", u"C11"}, {u"Decisões de 2° grau", {}}}};
constexpr std::array<FilterItem, 3> kDBoxItems{
    {{u"Todos", {}}, {u"Prog., Proj. e Campa.", u"D01"}, {u"Manuais", u"D02"}}};
constexpr std::array<FilterItem, 4> kMBoxItems{
    {{u"Todos", {}}, {u"Iniciais", u"E01"}, {u"Outros", u"E02"}, {u"Termos", u"E03"}}};
constexpr std::array<FilterItem, 5> kComboBox3Items{{{u"Todos ", {}},
                                                     {u"Nascituro", u"F01"},
                                                     {u"0 a 6 anos", u"F06"},
                                                     {u"7 a 14 anos", u"F11"},
                                                     {u"12 a 18 anos", u"F16"}}};

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
