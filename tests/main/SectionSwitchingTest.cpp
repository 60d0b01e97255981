#include "MainWindowTesting.h"
#include "PageBrowser.h"
#include "Prompts.h"
#include "SectionSwitching.h"
#include "TForm16.h"
#include "TForm17.h"
#include "TQuarde.h"
#include "TTavik.h"
#include "TTextos.h"
#include "TZEFT.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

#include <functional>

namespace corvanel {
namespace {

using form1::Page;
using form1::Trigger;
using testing::click;
using testing::RecordedMainWindow;
using testing::utf8;

const QStringList kIndicators{QStringLiteral("BtInicio"),       QStringLiteral("BtTextos"),
                              QStringLiteral("BtLegislacao"),   QStringLiteral("BtJulgados"),
                              QStringLiteral("BtExperiencias"), QStringLiteral("BtModelos"),
                              QStringLiteral("BtCiclos")};
const QStringList kTabs{QStringLiteral("RlInicio"),       QStringLiteral("RlTextos"),
                        QStringLiteral("RlLegislacao"),   QStringLiteral("RlJulgados"),
                        QStringLiteral("RlExperiencias"), QStringLiteral("RlModelos"),
                        QStringLiteral("RlCiclos")};
const QStringList kSectionPages{QStringLiteral("PgTextos"),   QStringLiteral("PgLegislacao"),
                                QStringLiteral("PgJulgados"), QStringLiteral("PgExperiencias"),
                                QStringLiteral("PgModelos"),  QStringLiteral("PgCiclos")};
const QStringList kAllPages = QStringList{QStringLiteral("PgInicio")} + kSectionPages +
                              QStringList{QStringLiteral("PApresentacao")};

// One way to make a page current, and how it should end.
struct Entry {
    const char* name;
    std::function<void(RecordedMainWindow&)> run;
    QString page;
    QString indicator;  // empty: none
    bool hidesPresentation;
    bool raisesBarAndStrip;
};

std::function<void(RecordedMainWindow&)> clickOn(const char* button) {
    return [button](RecordedMainWindow& window) {
        click(window.find<TTavik>(QString::fromLatin1(button)));
    };
}

std::function<void(RecordedMainWindow&)> choose(const char* action) {
    return [action](RecordedMainWindow& window) {
        window.find<QAction>(QString::fromLatin1(action))->trigger();
    };
}

const QList<Entry>& entries() {
    static const QList<Entry> all{
        {"RlInicio", clickOn("RlInicio"), QStringLiteral("PgInicio"), QStringLiteral("BtInicio"),
         true, true},
        {"Incio1", choose("Incio1"), QStringLiteral("PgInicio"), QStringLiteral("BtInicio"), false,
         false},
        {"RlTextos", clickOn("RlTextos"), QStringLiteral("PgTextos"), QStringLiteral("BtTextos"),
         false, true},
        {"extos1", choose("extos1"), QStringLiteral("PgTextos"), QStringLiteral("BtTextos"), false,
         true},
        {"RlLegislacao", clickOn("RlLegislacao"), QStringLiteral("PgLegislacao"),
         QStringLiteral("BtLegislacao"), false, true},
        {"Legislao1", choose("Legislao1"), QStringLiteral("PgLegislacao"),
         QStringLiteral("BtLegislacao"), false, false},
        {"RlJulgados", clickOn("RlJulgados"), QStringLiteral("PgJulgados"),
         QStringLiteral("BtJulgados"), false, true},
        {"Julgados1", choose("Julgados1"), QStringLiteral("PgJulgados"),
         QStringLiteral("BtJulgados"), false, false},
        {"RlExperiencias", clickOn("RlExperiencias"), QStringLiteral("PgExperiencias"),
         QStringLiteral("BtExperiencias"), false, true},
        {"Experincias1", choose("Experincias1"), QStringLiteral("PgExperiencias"),
         QStringLiteral("BtExperiencias"), false, false},
        {"RlModelos", clickOn("RlModelos"), QStringLiteral("PgModelos"),
         QStringLiteral("BtModelos"), false, true},
        {"Modelos1", choose("Modelos1"), QStringLiteral("PgModelos"), QStringLiteral("BtModelos"),
         false, false},
        {"RlCiclos", clickOn("RlCiclos"), QStringLiteral("PgCiclos"), QStringLiteral("BtCiclos"),
         false, true},
        {"CiclosdeVida1", choose("CiclosdeVida1"), QStringLiteral("PgCiclos"),
         QStringLiteral("BtCiclos"), false, false},
        {"RlApresentacao",
         clickOn("RlApresentacao"),
         QStringLiteral("PApresentacao"),
         {},
         false,
         false},
    };
    return all;
}

class SectionSwitching : public ::testing::Test {
protected:
    void SetUp() override {
        textos.CaminhoCD = QStringLiteral("/media/cdrom/");
        window.form.setResultList(&textos);
        window.show();
    }

    QWidget* widget(const QString& name) const { return window.find<QWidget>(name); }

    bool shows(const QString& name) const { return widget(name)->isVisibleTo(&window.form); }

    // Position in the stacking order among its siblings: higher lies above.
    int stackingOf(const QString& name) const {
        QWidget* child = widget(name);
        return static_cast<int>(child->parentWidget()->children().indexOf(child));
    }

    QString pageInFront() const {
        QString front;
        for (const QString& page : kAllPages) {
            if (shows(page) && (front.isEmpty() || stackingOf(page) > stackingOf(front))) {
                front = page;
            }
        }
        return front;
    }

    QStringList visibleIndicators() const {
        QStringList visible;
        for (const QString& indicator : kIndicators) {
            if (shows(indicator)) {
                visible << indicator;
            }
        }
        return visible;
    }

    bool barAndStripOnTop() const {
        const auto count = static_cast<int>(window.form.centralWidget()->children().size());
        return stackingOf(QStringLiteral("Panel6")) == count - 1 &&
               stackingOf(QStringLiteral("Barra_verde")) == count - 2;
    }

    void lowerBarAndStrip() const {
        widget(QStringLiteral("Barra_verde"))->lower();
        widget(QStringLiteral("Panel6"))->lower();
    }

    TTextos textos;
    RecordedMainWindow window;
};

TEST_F(SectionSwitching, AtStartTheStartPageIsInFrontWithItsIndicatorAndAllTabs) {
    EXPECT_EQ(pageInFront(), QStringLiteral("PgInicio"));
    EXPECT_EQ(visibleIndicators(), QStringList{QStringLiteral("BtInicio")});
    for (const QString& page : kSectionPages + QStringList{QStringLiteral("PApresentacao")}) {
        EXPECT_FALSE(shows(page)) << page.toStdString();
    }
    for (const QString& tab : kTabs) {
        EXPECT_TRUE(shows(tab)) << tab.toStdString();
    }
    EXPECT_EQ(window.form.windowTitle(), QStringLiteral("Corvanel"));
}

TEST_F(SectionSwitching, TheStartPageShowsTheContentsOwnStartPageClippedByItsPanel) {
    const auto* Nav2 = window.find<PageBrowser>(QStringLiteral("Nav2"));
    EXPECT_EQ(Nav2->lastAddress(), QStringLiteral("file://localhost//media/cdrom/entrada2.htm"));
    EXPECT_EQ(Nav2->geometry(), QRect(-8, -16, 529, 329));
    EXPECT_EQ(Nav2->parentWidget()->objectName(), QStringLiteral("Panel1"));
    EXPECT_EQ(Nav2->parentWidget()->geometry(), QRect(208, 35, 489, 289));

    // Coming back to the start page does not load it again.
    textos.CaminhoCD = QStringLiteral("/mnt/outro/");
    click(window.find<TTavik>(QStringLiteral("RlJulgados")));
    click(window.find<TTavik>(QStringLiteral("RlInicio")));
    EXPECT_EQ(Nav2->lastAddress(), QStringLiteral("file://localhost//media/cdrom/entrada2.htm"));
}

TEST_F(SectionSwitching, EveryEntryFromEveryPageEndsAsItsTableSays) {
    for (const Entry& from : entries()) {
        for (const Entry& entry : entries()) {
            SCOPED_TRACE(std::string("from ") + from.name + " by " + entry.name);
            from.run(window);
            const bool presentationBefore = shows(QStringLiteral("PApresentacao"));
            lowerBarAndStrip();
            entry.run(window);

            EXPECT_EQ(pageInFront(), entry.page);
            EXPECT_EQ(visibleIndicators(),
                      entry.indicator.isEmpty() ? QStringList() : QStringList{entry.indicator});
            for (const QString& page : kSectionPages) {
                EXPECT_EQ(shows(page), page == entry.page) << page.toStdString();
            }
            if (entry.page == QStringLiteral("PgInicio")) {
                EXPECT_EQ(shows(QStringLiteral("PApresentacao")),
                          presentationBefore && !entry.hidesPresentation);
            } else if (entry.page != QStringLiteral("PApresentacao")) {
                EXPECT_EQ(shows(QStringLiteral("PApresentacao")), presentationBefore)
                    << "a section page covers the presentation as it is";
            } else {
                EXPECT_TRUE(shows(QStringLiteral("PgInicio")));
            }
            EXPECT_EQ(barAndStripOnTop(), entry.raisesBarAndStrip);
        }
    }
    EXPECT_TRUE(window.requests.isEmpty()) << "no switch talks to the result-list window";
}

TEST_F(SectionSwitching, TheStripComesBackToTheFrontWhenTheWindowRepaints) {
    lowerBarAndStrip();
    window.find<QAction>(QStringLiteral("Julgados1"))->trigger();
    ASSERT_LT(stackingOf(QStringLiteral("Panel6")), stackingOf(QStringLiteral("PgJulgados")));
    window.form.centralWidget()->repaint();
    EXPECT_EQ(stackingOf(QStringLiteral("Panel6")),
              static_cast<int>(window.form.centralWidget()->children().size()) - 1);
}

TEST_F(SectionSwitching, FromThePresentationTheTabsCoverItHideItAndTheButtonBringsItBack) {
    click(window.find<TTavik>(QStringLiteral("RlApresentacao")));
    ASSERT_EQ(pageInFront(), QStringLiteral("PApresentacao"));
    click(window.find<TTavik>(QStringLiteral("RlLegislacao")));
    EXPECT_EQ(pageInFront(), QStringLiteral("PgLegislacao"));
    EXPECT_TRUE(shows(QStringLiteral("PApresentacao")));
    click(window.find<TTavik>(QStringLiteral("RlInicio")));
    EXPECT_FALSE(shows(QStringLiteral("PApresentacao")));
    EXPECT_EQ(pageInFront(), QStringLiteral("PgInicio"));
    click(window.find<TTavik>(QStringLiteral("RlApresentacao")));
    EXPECT_EQ(pageInFront(), QStringLiteral("PApresentacao"));
    EXPECT_TRUE(shows(QStringLiteral("PgInicio")));
    EXPECT_TRUE(visibleIndicators().isEmpty());
}

TEST_F(SectionSwitching, MenuItemsCarryTheirShortcuts) {
    const QList<std::pair<QString, QKeySequence>> shortcuts{
        {QStringLiteral("Sair1"), QKeySequence(Qt::CTRL | Qt::Key_X)},
        {QStringLiteral("Localizar1"), QKeySequence(Qt::CTRL | Qt::Key_F)},
        {QStringLiteral("ListarLumbra1"), QKeySequence(Qt::CTRL | Qt::Key_A)},
        {QStringLiteral("Incio1"), QKeySequence(Qt::CTRL | Qt::Key_H)},
        {QStringLiteral("extos1"), QKeySequence(Qt::CTRL | Qt::Key_T)},
        {QStringLiteral("Legislao1"), QKeySequence(Qt::CTRL | Qt::Key_L)},
        {QStringLiteral("Julgados1"), QKeySequence(Qt::CTRL | Qt::Key_J)},
        {QStringLiteral("Experincias1"), QKeySequence(Qt::CTRL | Qt::Key_E)},
        {QStringLiteral("Modelos1"), QKeySequence(Qt::CTRL | Qt::Key_M)},
        {QStringLiteral("CiclosdeVida1"), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_A)},
        {QStringLiteral("Atualizar1"), QKeySequence()},
        {QStringLiteral("Ajuda1"), QKeySequence()},
        {QStringLiteral("EquipedeDesenvolvimento1"), QKeySequence()},
    };
    QStringList menus;
    for (const auto& [name, shortcut] : shortcuts) {
        const QAction* action = window.find<QAction>(name);
        EXPECT_EQ(action->shortcut(), shortcut) << name.toStdString();
        menus << action->parent()->property("title").toString() + u'/' + action->text();
    }
    EXPECT_EQ(menus, (QStringList{
                         QStringLiteral("Arquivo/Sair"), QStringLiteral("Pesquisar/Localizar"),
                         QStringLiteral("Pesquisar/Listar Lumbra"), utf8("Exibir/Início"),
                         QStringLiteral("Exibir/Textos"), utf8("Exibir/Legislação"),
                         QStringLiteral("Exibir/Julgados"), utf8("Exibir/Experiências"),
                         QStringLiteral("Exibir/Modelos"), QStringLiteral("Exibir/Ciclos de Vida"),
                         QStringLiteral("Sobre/Atualizar"), QStringLiteral("Sobre/Ajuda"),
                         utf8("Sobre/Versão")}));
}

TEST_F(SectionSwitching, ShortcutsSwitchPagesListAndClose) {
    const QList<std::tuple<Qt::KeyboardModifiers, Qt::Key, QString>> pages{
        {Qt::ControlModifier, Qt::Key_J, QStringLiteral("PgJulgados")},
        {Qt::ControlModifier, Qt::Key_T, QStringLiteral("PgTextos")},
        {Qt::ControlModifier, Qt::Key_L, QStringLiteral("PgLegislacao")},
        {Qt::ControlModifier, Qt::Key_E, QStringLiteral("PgExperiencias")},
        {Qt::ControlModifier, Qt::Key_M, QStringLiteral("PgModelos")},
        {Qt::ControlModifier | Qt::AltModifier, Qt::Key_A, QStringLiteral("PgCiclos")},
        {Qt::ControlModifier, Qt::Key_H, QStringLiteral("PgInicio")},
    };
    for (const auto& [modifiers, key, page] : pages) {
        QTest::keyClick(&window.form, key, modifiers);
        EXPECT_EQ(pageInFront(), page);
    }
    EXPECT_TRUE(window.requests.isEmpty());

    QTest::keyClick(&window.form, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&window.form, Qt::Key_F, Qt::ControlModifier);
    ASSERT_EQ(window.requests.size(), 2);
    EXPECT_EQ(window.requests.at(0).tipo, QStringLiteral("G"));
    EXPECT_EQ(window.requests.at(1).tipo, QStringLiteral(" "));

    QSignalSpy closed(&window.form, &TForm1::closed);
    QTest::keyClick(&window.form, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.form.isVisible());
}

TEST_F(SectionSwitching, HelpButtonAndMenuOpenTheHelpPageKeepingTheSaveBuffer) {
    click(window.find<TTavik>(QStringLiteral("Tavik1")));
    window.find<QAction>(QStringLiteral("Ajuda1"))->trigger();
    const PageRequest help{QStringLiteral("/media/cdrom/"), QStringLiteral("help"), true};
    EXPECT_EQ(window.pages, (QList<PageRequest>{help, help}));
    EXPECT_TRUE(window.requests.isEmpty());
}

// Notes whether the update assistant was already on screen when the notice came.
class NoticeOrder final : public Prompts {
public:
    explicit NoticeOrder(const QWidget& assistant) : assistant_(assistant), installation_(*this) {}

    void error(const QString& message) override { errors << message; }
    void information(const QString& message) override {
        notices << message + (assistant_.isVisible() ? QStringLiteral(" (after)") : QString());
    }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }

    QStringList errors;
    QStringList notices;

private:
    const QWidget& assistant_;
    Installation installation_;
};

TEST_F(SectionSwitching, UpdateCommandsShowTheNoticeBeforeTheAssistant) {
    TForm16 assistant;
    window.form.setUpdateAssistant(&assistant);
    NoticeOrder prompts(assistant);
    const QString notice =
        utf8("Para verificar novas versões do LUMBRA você deve estar conectado a Internet.");

    click(window.find<TTavik>(QStringLiteral("RlAtualizar")));
    EXPECT_EQ(prompts.notices, QStringList{notice});
    EXPECT_TRUE(assistant.isVisible());
    assistant.hide();

    window.find<QAction>(QStringLiteral("Atualizar1"))->trigger();
    EXPECT_EQ(prompts.notices, (QStringList{notice, notice}));
    EXPECT_TRUE(assistant.isVisible());
    assistant.hide();
    EXPECT_TRUE(prompts.errors.isEmpty());
}

TEST_F(SectionSwitching, LogosShowTheInformationWindowsAndVersaoTheAboutWindow) {
    TZEFT zeft;
    TQuarde quarde;
    TForm17 about;
    window.form.setInformationWindows(&zeft, &quarde);
    window.form.setAboutWindow(&about);

    click(window.find<QWidget>(QStringLiteral("Image9")));
    EXPECT_TRUE(zeft.isVisible());
    EXPECT_FALSE(quarde.isVisible());
    click(window.find<QWidget>(QStringLiteral("Image21")));
    EXPECT_TRUE(quarde.isVisible());
    EXPECT_FALSE(about.isVisible());
    window.find<QAction>(QStringLiteral("EquipedeDesenvolvimento1"))->trigger();
    EXPECT_TRUE(about.isVisible());
    for (QWidget* shown : std::initializer_list<QWidget*>{&zeft, &quarde, &about}) {
        shown->hide();
    }
    EXPECT_TRUE(window.prompts.errors.isEmpty());
}

}  // namespace
}  // namespace corvanel
