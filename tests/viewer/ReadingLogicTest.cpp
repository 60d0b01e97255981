#include "ArticleJump.h"
#include "CitationCopy.h"
#include "DocumentOutline.h"
#include "Favourites.h"
#include "ViewerHistory.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>

namespace corvanel {
namespace {

struct OutlineCase {
    const char* line;
    const char* next;
    int heading;
    std::optional<OutlineKind> kind;  // nullopt: an ordinary line
    const char* label;
    const char* article;
};

TEST(DocumentOutline, ReadsTheDivisionsAndArticlesOfAStatuteAndLeavesProseAlone) {
    const OutlineCase cases[] = {
        {"TÍTULO II", "Dos Direitos Fundamentais", 0, OutlineKind::Titulo,
         "TÍTULO II — Dos Direitos Fundamentais", ""},
        {"TITULO I - Das Disposições Preliminares", "", 0, OutlineKind::Titulo,
         "TITULO I — Das Disposições Preliminares", ""},
        {"CAPÍTULO I", "Art. 7º A criança", 0, OutlineKind::Capitulo, "CAPÍTULO I", ""},
        {"Capítulo IV", "Do Direito à Educação", 2, OutlineKind::Capitulo,
         "Capítulo IV — Do Direito à Educação", ""},
        {"Seção III", "Da Família Substituta", 0, OutlineKind::Secao,
         "Seção III — Da Família Substituta", ""},
        {"SEÇÃO ÚNICA", "", 0, OutlineKind::Secao, "SEÇÃO ÚNICA", ""},
        {"Subseção II", "Da Guarda", 0, OutlineKind::Subsecao, "Subseção II — Da Guarda", ""},
        {"LIVRO I", "PARTE GERAL", 0, OutlineKind::Livro, "LIVRO I — PARTE GERAL", ""},
        {"LIVRO II - PARTE ESPECIAL", "", 0, OutlineKind::Livro, "LIVRO II — PARTE ESPECIAL", ""},
        {"Art. 136-A. Ninguém será", "", 0, OutlineKind::Artigo, "Art. 136-A Ninguém será",
         "136-A"},
        {"Art. 1º Esta Lei dispõe sobre a proteção integral à criança e ao adolescente.", "", 0,
         OutlineKind::Artigo, "Art. 1º Esta Lei dispõe sobre a proteção integral à criança e ao…",
         "1"},
        {"Art. 2o Considera-se criança", "", 0, OutlineKind::Artigo, "Art. 2o Considera-se criança",
         "2"},
        {"Art 244-b Corromper", "", 0, OutlineKind::Artigo, "Art 244-B Corromper", "244-B"},
        {"Artigo 10.", "", 0, OutlineKind::Artigo, "Artigo 10", "10"},
        {"Art. 1.001 Disposição", "", 0, OutlineKind::Artigo, "Art. 1.001 Disposição", "1001"},
        {"Apresentação", "", 1, OutlineKind::Heading, "Apresentação", ""},
        // Prose that names a division or article is no heading.
        {"Título II desta Lei trata dos direitos", "", 0, std::nullopt, "", ""},
        {"capítulo anterior", "", 0, std::nullopt, "", ""},
        {"Arts. 5º e 6º da Constituição", "", 0, std::nullopt, "", ""},
        {"Arte e cultura no art. 58", "", 0, std::nullopt, "", ""},
        {"Parágrafo único. A garantia", "", 0, std::nullopt, "", ""},
        {"   ", "", 3, std::nullopt, "", ""},
    };
    for (const OutlineCase& c : cases) {
        const std::optional<OutlineEntry> entry = DocumentOutline::classify(
            {QString::fromUtf8(c.line), QString::fromUtf8(c.next), c.heading});
        ASSERT_EQ(entry.has_value(), c.kind.has_value()) << c.line;
        if (entry) {
            EXPECT_EQ(entry->kind, *c.kind) << c.line;
            EXPECT_EQ(entry->label, QString::fromUtf8(c.label)) << c.line;
            EXPECT_EQ(entry->article, QString::fromUtf8(c.article)) << c.line;
        }
    }
}

TEST(DocumentOutline, NestsByDivisionAndNamesADivisionByTheBlockAfterIt) {
    const QList<OutlineEntry> entries = DocumentOutline::build({
        {QStringLiteral("Estatuto"), {}, 1},
        {QStringLiteral("TÍTULO I"), {}, 0},
        {QStringLiteral("Das Disposições Preliminares"), {}, 0},
        {QStringLiteral("Art. 1º Esta Lei"), {}, 0},
        {QStringLiteral("Parágrafo único. Nos casos"), {}, 0},
        {QStringLiteral("CAPÍTULO I"), QStringLiteral("Do Direito à Vida"), 0},
        {QStringLiteral("Art. 7º A criança"), {}, 0},
    });
    ASSERT_EQ(entries.size(), 5);
    QList<int> blocks;
    for (const OutlineEntry& entry : entries) {
        blocks << entry.block;
    }
    EXPECT_EQ(blocks, (QList<int>{0, 1, 3, 5, 6}));
    EXPECT_EQ(entries.at(1).label, u"TÍTULO I — Das Disposições Preliminares");
    EXPECT_LT(entries.at(0).depth, entries.at(1).depth);
    EXPECT_LT(entries.at(1).depth, entries.at(3).depth);
    EXPECT_LT(entries.at(3).depth, entries.at(4).depth);
    EXPECT_EQ(entries.at(2).depth, entries.at(4).depth);
}

TEST(ArticleJump, ReadsTheArticleTypedInEachUsualForm) {
    const std::pair<const char*, std::optional<const char*>> cases[] = {
        {"136", "136"},
        {"art. 136-A", "136-A"},
        {"Art 136 a", "136-A"},
        {"136a", "136-A"},
        {"  ART.136-a. ", "136-A"},
        {"artigo 5º", "5"},
        {"2o", "2"},
        {"1.000", "1000"},
        {"Art. 244-B", "244-B"},
        {"", std::nullopt},
        {"art.", std::nullopt},
        {"0", std::nullopt},
        {"136-AB", std::nullopt},
        {"abc", std::nullopt},
        {"12 13", std::nullopt},
    };
    for (const auto& [typed, key] : cases) {
        const std::optional<QString> parsed = ArticleJump::parse(QString::fromUtf8(typed));
        ASSERT_EQ(parsed.has_value(), key.has_value()) << typed;
        if (key) {
            EXPECT_EQ(*parsed, QString::fromUtf8(*key)) << typed;
        }
    }
}

TEST(ArticleJump, FindsTheWordingInForceAndNotTheInsertedNeighbours) {
    const QList<OutlineEntry> outline = DocumentOutline::build({
        {QStringLiteral("Art. 136. São atribuições"), {}, 0},
        {QStringLiteral("Art. 136-A. Redação original"), {}, 0},
        {QStringLiteral("Art. 136-A. (Redação dada pela Lei nº 12.010, de 2009)"), {}, 0},
        {QStringLiteral("Art. 137. As decisões"), {}, 0},
    });
    EXPECT_EQ(ArticleJump::find(outline, QStringLiteral("136"))->block, 0);
    EXPECT_EQ(ArticleJump::find(outline, QStringLiteral("136-A"))->block, 2);
    EXPECT_FALSE(ArticleJump::find(outline, QStringLiteral("13")));
}

ViewerPlace place(const char* file, double scroll = 0) {
    return {QUrl(QStringLiteral("file:///c/textos/%1.htm").arg(QString::fromUtf8(file))),
            QString::fromUtf8(file),
            {},
            QPointF(0, scroll)};
}

TEST(ViewerHistory, GoesBackAndForwardWithEachPlacesScrollAndDropsWhatIsAheadOnANewPlace) {
    ViewerHistory history;
    EXPECT_FALSE(history.back());
    history.visit(place("A"));
    history.setScroll({0, 100});
    history.visit(place("B"));
    history.setScroll({0, 200});
    // A print reload of the same file is the same place, its first address kept.
    ViewerPlace printed = place("B");
    printed.url.setQuery(QStringLiteral("op=Imprimir"));
    history.visit(printed);
    history.visit(place("C"));
    EXPECT_EQ(history.back()->scroll.y(), 200);
    EXPECT_FALSE(history.back()->url.hasQuery());
    EXPECT_EQ(history.current()->scroll.y(), 100);
    EXPECT_FALSE(history.back());
    EXPECT_EQ(history.forward()->pageName, u"B");
    history.visit(place("D"));
    EXPECT_FALSE(history.canGoForward());
    EXPECT_EQ(history.back()->pageName, u"B");
    EXPECT_EQ(history.back()->pageName, u"A");
}

TEST(ViewerHistory, KeepsItsLengthByForgettingTheOldestPlaces) {
    ViewerHistory history;
    for (int page = 0; page < ViewerHistory::kLength + 5; ++page) {
        history.visit(place(QByteArray::number(page).constData()));
    }
    int steps = 0;
    std::optional<ViewerPlace> last;
    while (auto earlier = history.back()) {
        last = earlier;
        ++steps;
    }
    EXPECT_EQ(steps, ViewerHistory::kLength - 1);
    EXPECT_EQ(last->pageName, u"5");
}

TEST(CitationCopy, QuotesThePassageThenNamesTitleCollectionEditionAndDate) {
    const CitationSource source{QStringLiteral("Estatuto <da> Criança & do Adolescente"),
                                QStringLiteral("Corvanel"), QStringLiteral("Edição I - Março/04"),
                                QDate(2026, 12, 7)};
    const QString passage = QStringLiteral("Art. 4º É dever\u00a0da família,\n\n  e do Estado <b>");
    EXPECT_EQ(CitationCopy::plainText(passage, source),
              QStringLiteral("“Art. 4º É dever da família,\ne do Estado <b>”\n\n"
                             "Fonte: Estatuto <da> Criança & do Adolescente. Corvanel, Edição I - "
                             "Março/04. Consultado em 7 de dezembro de 2026."));
    const QString html = CitationCopy::html(passage, source);
    EXPECT_TRUE(html.contains(u"<h3>Estatuto &lt;da&gt; Criança &amp; do Adolescente</h3>"));
    EXPECT_TRUE(html.contains(u"<p>e do Estado &lt;b&gt;</p></blockquote>"));
    EXPECT_FALSE(html.contains(u"<b>"));

    // What is not known is left out, not written empty.
    EXPECT_EQ(
        CitationCopy::plainText(QStringLiteral("x"), {{}, QStringLiteral("Corvanel"), {}, {}}),
        QStringLiteral("“x”\n\nFonte: Corvanel."));
}

class FavouritesInAFile : public ::testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("favoritos.json")) const {
        return folder_.filePath(QStringLiteral("dados/") + name);
    }
    static Favourite favourite(const QString& page, const QString& note = {}) {
        return {page, QStringLiteral("Título ") + page, note, {}};
    }
    static QStringList pages(const QList<Favourite>& favourites) {
        QStringList names;
        for (const Favourite& f : favourites) {
            names << f.pageName;
        }
        return names;
    }
    static void write(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

    QTemporaryDir folder_;
    const QString eca = QStringLiteral("/colecoes/eca");
    const QString other = QStringLiteral("/colecoes/outra");
};

TEST_F(FavouritesInAFile, KeepsEachCollectionsOwnAcrossRunsWithNotesAndRemovals) {
    {
        FavouritesFile file(path());
        file.add(eca, favourite(QStringLiteral("205"), QStringLiteral("guarda")));
        file.add(eca, favourite(QStringLiteral("L01")));
        file.add(other, favourite(QStringLiteral("205")));
        // Added again: stays in place; an empty note keeps the one written.
        file.add(eca, favourite(QStringLiteral("205")));
        file.setNote(eca, QStringLiteral("L01"), QStringLiteral("ver art. 136"));
        file.remove(other, QStringLiteral("205"));
    }
    const FavouritesFile again(path());
    const QList<Favourite> kept = again.list(eca);
    EXPECT_EQ(pages(kept), (QStringList{QStringLiteral("205"), QStringLiteral("L01")}));
    EXPECT_EQ(kept.at(0).note, u"guarda");
    EXPECT_EQ(kept.at(1).note, u"ver art. 136");
    EXPECT_TRUE(kept.at(0).added.isValid());
    EXPECT_TRUE(again.list(other).isEmpty());
}

TEST_F(FavouritesInAFile, SetsADamagedFileAsideAndStartsEmpty) {
    FavouritesFile(path()).add(eca, favourite(QStringLiteral("205")));
    write(path(), "{\"versao\": 1, \"colecoes\": {\"/colecoes/eca\": [");
    FavouritesFile damaged(path());
    EXPECT_TRUE(damaged.list(eca).isEmpty());
    EXPECT_TRUE(QFile::exists(path() + QStringLiteral(".danificado")));
    damaged.add(eca, favourite(QStringLiteral("L01")));
    EXPECT_EQ(pages(FavouritesFile(path()).list(eca)), QStringList{QStringLiteral("L01")});
}

TEST_F(FavouritesInAFile, AFailedWriteSaysSoAndLeavesTheFavouritesAsTheyWere) {
    // A file where the folder should be: nothing can be written below it.
    write(folder_.filePath(QStringLiteral("dados")), "não é uma pasta");
    FavouritesFile file(path());
    EXPECT_THROW(file.add(eca, favourite(QStringLiteral("205"))), FavouritesError);
    EXPECT_TRUE(file.list(eca).isEmpty());
}

TEST_F(FavouritesInAFile, SharesAReadingListThroughAFileAndRefusesWhatIsNotOne) {
    FavouritesFile mine(path());
    mine.add(eca, favourite(QStringLiteral("205"), QStringLiteral("guarda")));
    mine.add(eca, favourite(QStringLiteral("L01")));
    const QString list = folder_.filePath(QStringLiteral("lista.json"));
    mine.exportTo(eca, list);

    FavouritesFile theirs(path(QStringLiteral("deles.json")));
    theirs.add(eca, favourite(QStringLiteral("L01"), QStringLiteral("a minha nota")));
    EXPECT_EQ(theirs.importFrom(eca, list), 1);
    const QList<Favourite> merged = theirs.list(eca);
    EXPECT_EQ(pages(merged), (QStringList{QStringLiteral("L01"), QStringLiteral("205")}));
    EXPECT_EQ(merged.at(0).note, u"a minha nota");
    EXPECT_EQ(merged.at(1).note, u"guarda");

    // A list from elsewhere may name anything: only plain page names come in.
    write(list, R"({"formato": "corvanel-favoritos", "versao": 1, "favoritos": [
        {"documento": "../../etc/passwd"}, {"documento": "a/b"}, {"documento": ""},
        {"documento": "x?op=Imprimir"}, {"documento": 7}, {"documento": "L02", "nota": 3}]})");
    EXPECT_EQ(theirs.importFrom(eca, list), 1);
    EXPECT_EQ(pages(theirs.list(eca)).last(), u"L02");

    for (const QByteArray& bytes :
         {QByteArray("[]"), QByteArray("{\"favoritos\": []}"), QByteArray("não é JSON")}) {
        write(list, bytes);
        EXPECT_THROW(theirs.importFrom(eca, list), FavouritesError) << bytes.constData();
    }
    EXPECT_THROW(theirs.importFrom(eca, folder_.filePath(QStringLiteral("nenhum.json"))),
                 FavouritesError);
    EXPECT_EQ(theirs.list(eca).size(), 3);
}

}  // namespace
}  // namespace corvanel
