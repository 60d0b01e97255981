#pragma once

#include "CategoryTables.h"
#include "Sections.h"

#include <QKeyCombination>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringView>

#include <array>
#include <span>

// The main window's layout as data: where every control lies, what it says,
// the menu, the category trees and the code tables behind their nodes. The
// window's classes build themselves from here and hold no numbers of their own.
namespace corvanel::main_window {

// The trees of the six section pages, in section order, then the tree of the
// presentation page.
enum class TreeId { Textos, Legislacao, Julgados, Experiencias, Modelos, Ciclos, Apresentacao };
inline constexpr int kTreeCount = 7;

// What a menu item does.
enum class MenuCommand {
    AbrirColecao,
    DocumentosRecentes,  // a submenu, filled as it opens
    LimparHistorico,
    Sair,
    Localizar,
    ListarLumbra,
    Inicio,
    Textos,
    Legislacao,
    Julgados,
    Experiencias,
    Modelos,
    Ciclos,
    Trechos,  // checked: the result list shows the words in context
    Atualizar,
    Ajuda,
    Versao,
};

// A picture of the artwork (":/artwork/" + file).
struct Picture {
    QStringView name;
    QStringView file;
    QRect geometry;
};

// A plain control: a panel, a bar, a click area, a field.
struct Placed {
    QStringView name;
    QRect geometry;
};

// A picture button placed at a point; its size, pictures and hint come from
// its configuration (PictureButtonConfigurations).
struct ButtonPlacement {
    QStringView name;
    QPoint position;
};

struct Label {
    QStringView text;
    QPoint position;
};

struct Font {
    QStringView family;
    int pixelSize;
};

// A tab button and the indicator that lies over it while its page is current.
struct Tab {
    ButtonPlacement button;
    Picture indicator;
};

struct MenuItem {
    QStringView menu;
    QStringView caption;
    QStringView name;
    QKeyCombination shortcut;  // Qt::Key_unknown: none
    MenuCommand command;
};

using categories::TreeNode;

struct TreeLayout {
    TreeId id;
    QStringView name;
    std::span<const TreeNode> nodes;  // in pre-order: a node's index is its absolute index
    QRect geometry;
    Font font;
    bool hotTracking;
    QStringView hint;
    bool keepsSelectionVisible;  // the selected node stays highlighted without the focus
};

using categories::FilterItem;

// What differs from one section page to the next.
struct SectionPageLayout {
    Section section;
    QStringView page;
    Picture column;
    QStringView description;  // memo lines, one per '\n'
    QPoint descriptionPosition;
    QStringView searchField;
    Font searchFont;
    QStringView filter;
    std::span<const FilterItem> filterItems;
    QStringView searchButton;
    QStringView questionButton;
    QStringView listingButton;
    QStringView counter;
    TreeId tree;
};

// What every section page has in the same place (page coordinates).
struct SectionPageCommon {
    int descriptionWidth;
    Font descriptionFont;
    Label counterCaption;
    QRect counter;
    QPoint listingButton;
    Picture topStrip;
    Picture bottomStrip;
    Label searchCaption;
    QRect searchField;
    QRect wholeWordsBox;  // "Palavra inteira", under the search field
    Label whereCaption;
    QRect filter;
    QPoint searchButton;
    QPoint questionButton;
    Label treeCaption;
};

struct StartPageLayout {
    QStringView name;
    Picture column;
    std::array<Label, 3> labels;  // edition, version, "Total de Doc.: "
    Placed totalDisplay;
    QStringView totalMask;
    Placed browserPanel;
    Placed browser;  // inside browserPanel; larger than it, so the panel clips it
};

struct PresentationPageLayout {
    Placed page;  // window coordinates, inside the pages' rectangle
    Picture strip;
    Label title;
    Font titleFont;
};

struct MainWindowLayout {
    QStringView caption;
    QSize outerSize;
    // What the outer size holds besides the client area: the frame, caption
    // and menu bar the layout was drawn for. The platform draws its own, so
    // the client area keeps the designed size whatever they measure here.
    QSize frame;
    Font font;

    Picture banner;
    Picture logosBackdrop;
    Picture logos;
    Placed associationArea;
    Placed partnerArea;
    std::array<ButtonPlacement, 4>
        commandButtons;       // RlApresentacao, RlBuscaGeral, RlLumbra, RlAtualizar
    std::array<Tab, 7> tabs;  // Início, then the sections in order

    Placed greenBar;
    Placed greenStrip;
    Placed leftEdge;
    Placed rightEdge;
    Placed tabRowEnd;
    Placed footer;
    Picture footerPicture;       // in footer
    ButtonPlacement helpButton;  // in footer
    Placed footerLeft;
    Picture footerLeftPicture;  // in footerLeft

    QRect pages;  // the rectangle the start page and the six section pages share
    StartPageLayout start;
    PresentationPageLayout presentation;
    SectionPageCommon sectionCommon;
    std::array<SectionPageLayout, kSectionCount> sections;  // in section order

    std::array<MenuItem, 17> menu;
    std::array<TreeLayout, kTreeCount> trees;  // in TreeId order
};

const MainWindowLayout& mainWindowLayout();

const SectionPageLayout& sectionPageLayout(Section section);
const TreeLayout& treeLayout(TreeId tree);

}  // namespace corvanel::main_window
