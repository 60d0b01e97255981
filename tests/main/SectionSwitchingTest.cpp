#include "AboutWindow.h"
#include "AssociationWindow.h"
#include "Collection.h"
#include "MainWindowTesting.h"
#include "PageBrowser.h"
#include "PartnerWindow.h"
#include "PictureButton.h"
#include "Prompts.h"
#include "ResultListWindow.h"
#include "UpdateAssistant.h"

#include <QAction>
#include <QSignalSpy>
#include <QTest>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::click;
using testing::RecordedMainWindow;
using testing::utf8;

QStringList names(const char* spaced) {
    return QString::fromLatin1(spaced).split(u' ');
}

const QStringList kIndicators =
    names("BtInicio BtTextos BtLegislacao BtJulgados BtExperiencias BtModelos BtCiclos");
const QStringList kTabs =
    names("RlInicio RlTextos RlLegislacao RlJulgados RlExperiencias RlModelos RlCiclos");
const QStringList kSectionPages =
    names("PgTextos PgLegislacao PgJulgados PgExperiencias PgModelos PgCiclos");
const QStringList kAllPages = QStringList{QStringLiteral("PgInicio")} + kSectionPages +
                              QStringList{QStringLiteral("PApresentacao")};

// One way to make a page current and how it should end: the button clicked
// (Rl...) or the menu item chosen, the page in front, the only indicator
// showing ("-": none), and whether it hides the presentation (h) and raises
// the green bar and strip (r).
struct Entry {
    QString control, page, indicator;
    bool hidesPresentation;
    bool raisesBarAndStrip;

    void run(const RecordedMainWindow& window) const {
        if (control.startsWith(QStringLiteral("Rl"))) {
            click(window.find<PictureButton>(control));
        } else {
            window.find<QAction>(control)->trigger();
        }
    }
};

QList<Entry> entries() {
    QList<Entry> all;
    for (const char* row :
         {"RlInicio PgInicio BtInicio hr", "Incio1 PgInicio BtInicio -",
          "RlTextos PgTextos BtTextos r", "extos1 PgTextos BtTextos r",
          "RlLegislacao PgLegislacao BtLegislacao r", "Legislao1 PgLegislacao BtLegislacao -",
          "RlJulgados PgJulgados BtJulgados r", "Julgados1 PgJulgados BtJulgados -",
          "RlExperiencias PgExperiencias BtExperiencias r",
          "Experincias1 PgExperiencias BtExperiencias -", "RlModelos PgModelos BtModelos r",
          "Modelos1 PgModelos BtModelos -", "RlCiclos PgCiclos BtCiclos r",
          "CiclosdeVida1 PgCiclos BtCiclos -", "RlApresentacao PApresentacao - -"}) {
        const QStringList field = names(row);
        all << Entry{field.at(0), field.at(1),
                     field.at(2) == QStringLiteral("-") ? QString() : field.at(2),
                     field.at(3).contains(u'h'), field.at(3).contains(u'r')};
    }
    return all;
}

class SectionSwitching : public ::testing::Test {
protected:
    void SetUp() override {
        collection.setContentRoot(QStringLiteral("/media/cdrom/"));
        window.form.setCollection(&collection);
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

    Collection collection;
    ResultListWindow textos{collection};
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
    collection.setContentRoot(QStringLiteral("/mnt/outro/"));
    click(window.find<PictureButton>(QStringLiteral("RlJulgados")));
    click(window.find<PictureButton>(QStringLiteral("RlInicio")));
    EXPECT_EQ(Nav2->lastAddress(), QStringLiteral("file://localhost//media/cdrom/entrada2.htm"));
}

TEST_F(SectionSwitching, EveryEntryFromEveryPageEndsAsItsTableSays) {
    for (const Entry& from : entries()) {
        for (const Entry& entry : entries()) {
            SCOPED_TRACE(QString(u"from " + from.control + u" by " + entry.control).toStdString());
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

TEST_F(SectionSwitching, MenuItemsCarryTheirCaptionsAndShortcuts) {
    QStringList items;
    for (const char* name : {"Sair1", "Localizar1", "ListarLumbra1", "Incio1", "extos1",
                             "Legislao1", "Julgados1", "Experincias1", "Modelos1", "CiclosdeVida1",
                             "Atualizar1", "Ajuda1", "EquipedeDesenvolvimento1"}) {
        const QAction* action = window.find<QAction>(QString::fromLatin1(name));
        items << action->parent()->property("title").toString() + u'/' + action->text() + u' ' +
                     action->shortcut().toString(QKeySequence::PortableText);
    }
    EXPECT_EQ(items,
              (QStringList{utf8("Arquivo/Sair Ctrl+X"), utf8("Pesquisar/Localizar Ctrl+F"),
                           utf8("Pesquisar/Listar Lumbra Ctrl+A"), utf8("Exibir/Início Ctrl+H"),
                           utf8("Exibir/Textos Ctrl+T"), utf8("Exibir/Legislação Ctrl+L"),
                           utf8("Exibir/Julgados Ctrl+J"), utf8("Exibir/Experiências Ctrl+E"),
                           utf8("Exibir/Modelos Ctrl+M"), utf8("Exibir/Ciclos de Vida Ctrl+Alt+A"),
                           utf8("Sobre/Atualizar "), utf8("Sobre/Ajuda "), utf8("Sobre/Versão ")}));
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
    EXPECT_EQ(window.requests.at(0).kind, QStringLiteral("G"));
    EXPECT_EQ(window.requests.at(1).kind, QStringLiteral(" "));

    QSignalSpy closed(&window.form, &MainWindow::closed);
    QTest::keyClick(&window.form, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.form.isVisible());
}

TEST_F(SectionSwitching, TheDesktopsQuitKeyClosesTheWindowToo) {
    QSignalSpy closed(&window.form, &MainWindow::closed);
    QTest::keyClick(&window.form, Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(closed.count(), 1);
    EXPECT_FALSE(window.form.isVisible());
}

TEST_F(SectionSwitching, HelpButtonAndMenuOpenTheHelpPageKeepingTheSaveBuffer) {
    click(window.find<PictureButton>(QStringLiteral("Tavik1")));
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
    bool offerAnotherCollection(const QString&) override { return false; }
    QString openFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFileName(QWidget*, const QString&, const QString&) override { return {}; }
    QString existingFolder(QWidget*, const QString&, const QString&) override { return {}; }

    QStringList errors;
    QStringList notices;

private:
    const QWidget& assistant_;
    Installation installation_;
};

TEST_F(SectionSwitching, UpdateCommandsShowTheNoticeBeforeTheAssistant) {
    UpdateAssistant assistant;
    window.form.setUpdateAssistant(&assistant);
    NoticeOrder prompts(assistant);
    const QString notice =
        utf8("Para verificar novas versões do LUMBRA você deve estar conectado a Internet.");

    click(window.find<PictureButton>(QStringLiteral("RlAtualizar")));
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
    AssociationWindow zeft;
    PartnerWindow quarde;
    AboutWindow about;
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
