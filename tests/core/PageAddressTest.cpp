#include "BrowsingPolicy.h"
#include "PageAddress.h"

#include "QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace corvanel {
namespace {

struct LocalAddress {
    const char16_t* address;
    const char16_t* file;   // the local file it names
    const char16_t* query;  // empty: none
};

// On Windows the roots keep their drive letters; here a Windows root is just
// a folder name, and what matters is that nothing is looked for under the
// working folder.
TEST(PageAddresses, ResolveToTheLocalFileTheyName) {
    const LocalAddress table[] = {
#ifdef Q_OS_WIN
        {u"file://localhost/D:\\textos\\123.htm", u"D:/textos/123.htm", u""},
#else
        {u"file://localhost/D:\\textos\\123.htm", u"/D:/textos/123.htm", u""},
#endif
        {u"file://localhost//media/cdrom/textos\\123.htm", u"/media/cdrom/textos/123.htm", u""},
        {u"file://localhost//media/cdromtextos\\7.htm", u"/media/cdromtextos/7.htm", u""},
        {u"file://localhost/textos\\ZEFT.htm", u"/textos/ZEFT.htm", u""},
        {u"file://localhost/:textos\\ZEFT.htm", u"/:textos/ZEFT.htm", u""},
        {u"file://localhost///srv/textos\\ZEFT.htm", u"/srv/textos/ZEFT.htm", u""},
        {u"file://localhost////srv/textos\\ZEFT.htm", u"/srv/textos/ZEFT.htm", u""},
        {u"file://localhost//media/cdrom/textos\\123.htm?op=Imprimir",
         u"/media/cdrom/textos/123.htm", u"op=Imprimir"},
        {u"file://localhost//home/ana/Coleção Lumbra/textos\\help.htm?op=Imprimir",
         u"/home/ana/Coleção Lumbra/textos/help.htm", u"op=Imprimir"},
        {u"file://localhost//srv/dúvidas?/textos\\L01.htm", u"/srv/dúvidas?/textos/L01.htm", u""},
        {u"FILE://LOCALHOST//media/cdrom/entrada2.htm", u"/media/cdrom/entrada2.htm", u""},
    };
    for (const LocalAddress& row : table) {
        const QString address = QString::fromUtf16(row.address);
        SCOPED_TRACE(address.toStdString());
        const std::optional<QUrl> url = PageAddress::resolve(address);
        ASSERT_TRUE(url);
        EXPECT_TRUE(url->isLocalFile());
        EXPECT_EQ(url->toLocalFile(), QString::fromUtf16(row.file));
        EXPECT_EQ(url->query(QUrl::FullyDecoded), QString::fromUtf16(row.query));
        EXPECT_EQ(url->hasQuery(), !QString::fromUtf16(row.query).isEmpty());
    }
}

TEST(PageAddresses, KeepWebAddressesAndRefuseAnythingElse) {
    const QString update =
        QStringLiteral("https://atualizacao.corvanel.org.br/verifica.asp?versao=1.05");
    ASSERT_TRUE(PageAddress::resolve(update));
    EXPECT_EQ(PageAddress::resolve(update)->toString(), update);

    for (const char16_t* address :
         {u"", u"file://localhost/", u"javascript:alert(1)", u"D:\\textos\\1.htm",
          u"ftp://servidor/arquivo.htm", u"https://", u"data:text/html,<p>x</p>"}) {
        EXPECT_FALSE(PageAddress::resolve(QString::fromUtf16(address)))
            << QString::fromUtf16(address).toStdString();
    }
}

struct NavigationCase {
    const char* current;
    const char* target;
    BrowsingPolicy::Initiator initiator;
    BrowsingPolicy::Navigation expected;
};

// The collection of these tables is a real folder; "/cd/" in them stands for it.
const QTemporaryDir& place() {
    static const QTemporaryDir dir;
    return dir;
}

ContentFolder cd() {
    QDir(place().path()).mkpath(QStringLiteral("cd/textos"));
    return ContentFolder::fromRoot(place().path() + QStringLiteral("/cd/"));
}

QUrl at(const char* address) {
    QString text = QString::fromLatin1(address);
    text.replace(QStringLiteral("file:///cd/"),
                 QUrl::fromLocalFile(place().path()).toString() + QStringLiteral("/cd/"));
    return QUrl(text);
}

TEST(BrowsingPolicies, ContentPagesLeaveForTheWebOnlyInTheUsersBrowser) {
    using enum BrowsingPolicy::Navigation;
    using enum BrowsingPolicy::Initiator;
    const NavigationCase table[] = {
        {"file:///cd/textos/L01.htm", "https://www.planalto.gov.br/ccivil_03/leis/l8069.htm", User,
         OpenInUserBrowser},
        {"file:///cd/textos/help.htm", "mailto:suporte@corvanel.org.br", User, OpenInUserBrowser},
        {"file:///cd/textos/L01.htm", "file:///cd/textos/123.htm", User, Load},
        {"file:///cd/textos/L01.htm", "file:///cd/entrada2.htm", Page, Load},
        {"file:///cd/textos/1.htm", "https://rastreador.example/", Page, Refuse},
        {"file:///cd/textos/1.htm", "mailto:alguem@example.com", Page, Refuse},
        // Another program's scheme is never handed on, clicked or not.
        {"file:///cd/textos/1.htm", "outroprograma:abrir", User, Refuse},
        {"file:///cd/textos/1.htm", "file:///etc/passwd", User, Refuse},
        {"file:///cd/textos/1.htm", "file:///cdrom/textos/1.htm", Page, Refuse},
        {"file:///cd/textos/1.htm", "about:blank", Page, Load},
        {"file:///cd/textos/1.htm", "https://atualizacao.corvanel.org.br/verifica.asp", Program,
         Load},
        {"https://atualizacao.corvanel.org.br/verifica.asp",
         "https://atualizacao.corvanel.org.br/novidades.asp", Page, Load},
        {"https://atualizacao.corvanel.org.br/verifica.asp", "file:///cd/textos/1.htm", User,
         Refuse},
        {"https://atualizacao.corvanel.org.br/verifica.asp", "mailto:alguem@example.com", Page,
         Refuse},
    };
    for (const NavigationCase& row : table) {
        SCOPED_TRACE(std::string(row.current) + " -> " + row.target);
        EXPECT_EQ(BrowsingPolicy::decide(at(row.current), at(row.target), row.initiator, cd()),
                  row.expected);
    }
}

TEST(BrowsingPolicies, LocalPagesReadTheirCollectionAndRemotePagesNoLocalFile) {
    const struct {
        const char* page;
        const char* resource;
        bool allowed;
    } table[] = {
        {"file:///cd/textos/1.htm", "file:///cd/textos/figura.png", true},
        {"file:///cd/textos/1.htm", "file:///cd/figuras/mapa.png", true},
        {"file:///cd/textos/1.htm", "file:///etc/hostname", false},
        {"file:///cd/textos/1.htm", "file:///cdrom/textos/figura.png", false},
        {"file:///cd/textos/1.htm", "https://contador.example/pixel.gif", false},
        {"file:///cd/textos/1.htm", "data:image/png;base64,AAAA", true},
        {"https://atualizacao.corvanel.org.br/verifica.asp",
         "https://atualizacao.corvanel.org.br/logo.png", true},
        {"https://atualizacao.corvanel.org.br/verifica.asp", "file:///cd/textos/figura.png", false},
        // A request that comes before its page is known is held to local rules.
        {"", "https://contador.example/pixel.gif", false},
        {"", "file:///cd/textos/figura.png", true},
        {"", "file:///etc/hostname", false},
    };
    for (const auto& row : table) {
        SCOPED_TRACE(std::string(row.page) + " loads " + row.resource);
        EXPECT_EQ(BrowsingPolicy::mayLoad(at(row.page), at(row.resource), cd()), row.allowed);
    }
    EXPECT_FALSE(BrowsingPolicy::mayLoad(at("file:///cd/textos/1.htm"),
                                         at("file:///cd/textos/figura.png"), ContentFolder()));
}

}  // namespace
}  // namespace corvanel
