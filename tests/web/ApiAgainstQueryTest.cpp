#include "ServedCollection.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QUrl>

#include <gtest/gtest.h>

#include <algorithm>

namespace corvanel::testing {
namespace {

struct Listed {
    int total = -1;
    std::vector<qint64> codes;
    std::vector<QString> passages;  // each row's, empty when it shows none
};

// What corvanel-query lists after the chain's last step.
Listed queried(const QString& databaseFolder, const QStringList& chain,
               const QStringList& flags = {}) {
    QStringList arguments{q("--db"), databaseFolder, q("--tipo"),   q("T"),      q("--edit4"),
                          q(" "),    q("--edit3"),   chain.front(), q("--then"), q("search")};
    arguments << flags;
    for (qsizetype i = 1; i < chain.size(); ++i) {
        arguments << q("--edit3") << chain[i] << q("--then") << q("narrow");
    }
    QProcess query;
    query.start(q(CORVANEL_QUERY_PROGRAM), arguments);
    query.waitForFinished(60000);
    const QStringList lines = QString::fromUtf8(query.readAllStandardOutput()).split(u'\n');
    // The block of the last step: after the closing line before it.
    qsizetype start = lines.size() - 1;
    while (start > 0 && !lines[start].startsWith(u"# count=")) {
        --start;
    }
    Listed listed;
    listed.total = QRegularExpression(q("count=(\\d+)")).match(lines[start]).captured(1).toInt();
    qsizetype from = start - 1;
    while (from > 0 && !lines[from - 1].startsWith(u"# count=")) {
        --from;
    }
    static const QRegularExpression numbered(q("^\\d+ - .*\\t(\\d+)$"));
    for (qsizetype i = from; i < start; ++i) {
        const auto match = numbered.match(lines[i]);
        if (match.hasMatch()) {
            listed.codes.push_back(match.captured(1).toLongLong());
            listed.passages.emplace_back();
        } else if (lines[i].startsWith(u"» ") && !listed.passages.empty()) {
            listed.passages.back() = lines[i].mid(2);
        }
    }
    return listed;
}

Listed answered(const ServedCollection& served, const QStringList& chain,
                const QByteArray& choices = {}) {
    QByteArray target = "/api/v1/busca?q=" + QUrl::toPercentEncoding(chain.front()) + choices;
    for (qsizetype i = 1; i < chain.size(); ++i) {
        target += "&dentro=" + QUrl::toPercentEncoding(chain[i]);
    }
    Listed listed;
    for (int page = 1;; ++page) {
        const HttpAnswer answer = served.get(target + "&pagina=" + QByteArray::number(page));
        if (answer.status != 200) {
            break;
        }
        const QJsonObject object = QJsonDocument::fromJson(answer.body).object();
        listed.total = object[q("total")].toInt();
        for (const auto& row : object[q("linhas")].toArray()) {
            listed.codes.push_back(row.toObject()[q("codigo")].toInteger());
            listed.passages.push_back(row.toObject()[q("trecho")].toString());
        }
        if (page >= object[q("paginas")].toInt()) {
            break;
        }
    }
    return listed;
}

TEST(ApiAgainstQuery, SameTotalAndRowsInTheSameOrderForEveryChain) {
    const QList<QStringList> chains{
        {q("comum")},
        {q("comum"), q("proteção")},
        {q("proteção integral"), q("criança")},
        {q("agua")},
        {q("ÁGUA potável")},
        {q("a")},
        {q("comum"), q("007"), q("documento")},
        {q("proteção"), q("inexistente")},
        {q("50% das")},
        {q("d'água")},
    };
    const ServedCollection& served = servedCollection();
    std::size_t nonEmpty = 0;
    for (const QStringList& chain : chains) {
        SCOPED_TRACE(chain.join(q(" › ")).toStdString());
        const Listed expected = queried(served.collection().programFolder(), chain);
        const Listed got = answered(served, chain);
        EXPECT_EQ(got.total, expected.total);
        EXPECT_EQ(got.codes, expected.codes);
        nonEmpty += expected.codes.empty() ? 0 : 1;
    }
    // The chains find something, or the comparison would prove little.
    EXPECT_GE(nonEmpty, 7u);
}

// The choices of the address are corvanel-query's flags of the same name.
TEST(ApiAgainstQuery, SameRowsForEveryChoice) {
    const QList<QStringList> chains{
        {q("guarda")}, {q("comum"), q("proteção")}, {q("proteção integral"), q("criança")}};
    const struct {
        QStringList flags;
        QByteArray address;
    } choices[] = {
        {{q("--palavra-inteira")}, "&inteira=1"},
        {{q("--ordem"), q("relevancia")}, "&ordem=relevancia"},
        {{q("--agrupar")}, "&agrupar=1"},
        {{q("--palavra-inteira"), q("--ordem"), q("relevancia"), q("--agrupar")},
         "&inteira=1&ordem=relevancia&agrupar=1"},
    };
    const ServedCollection& served = servedCollection();
    for (const auto& choice : choices) {
        for (const QStringList& chain : chains) {
            SCOPED_TRACE(chain.join(q(" › ")).toStdString() + choice.address.toStdString());
            const Listed expected =
                queried(served.collection().programFolder(), chain, choice.flags);
            const Listed got = answered(served, chain, choice.address);
            EXPECT_EQ(got.total, expected.total);
            EXPECT_EQ(got.codes, expected.codes);
            EXPECT_FALSE(expected.codes.empty());
        }
    }
}

// Each row's "trecho" is the line corvanel-query --trechos prints under it.
TEST(ApiAgainstQuery, SamePassageUnderEveryRow) {
    const QList<QStringList> chains{{q("guarda")}, {q("curatela")}, {q("comum"), q("proteção")}};
    const ServedCollection& served = servedCollection();
    for (const bool wholeWords : {false, true}) {
        for (const QStringList& chain : chains) {
            SCOPED_TRACE(chain.join(q(" › ")).toStdString() + (wholeWords ? " inteira" : ""));
            QStringList flags{q("--trechos")};
            if (wholeWords) {
                flags << q("--palavra-inteira");
            }
            const Listed expected = queried(served.collection().programFolder(), chain, flags);
            const Listed got = answered(served, chain, wholeWords ? "&inteira=1" : "");
            EXPECT_EQ(got.codes, expected.codes);
            EXPECT_EQ(got.passages, expected.passages);
            EXPECT_FALSE(expected.codes.empty());
            EXPECT_EQ(std::count(expected.passages.cbegin(), expected.passages.cend(), QString()),
                      0);
        }
    }
}

}  // namespace
}  // namespace corvanel::testing
