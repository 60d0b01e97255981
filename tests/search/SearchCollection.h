#pragma once

#include "ResultListHost.h"
#include "Sqlite.h"
#include "TestCollection.h"

#include <QFile>
#include <QStringList>

#include <gtest/gtest.h>

namespace corvanel::testing {

// A collection with every kind of listed row: each section, a card filed
// under two sections, a row of section "F" (listed as nothing), decisions
// with fewer lines than a decision block shows, two cards of one author.
// In Portuguese order the titles are those of cards 9, 1, 8, 5, 2, 4, 3, 6, 7.
inline QList<TestCard> searchCards() {
    return {
        card(1, q("Adoção internacional"), q("Silva, Ana"), q("A"), q("A03"), q("adoção"),
             {q("Texto sobre adoção entre países.")}),
        card(2, q("Guarda compartilhada"), q("Souza, Bia"), q("A"), q("A04 F06"), q("guarda"),
             {q("Texto sobre guarda e poços d'água.")}),
        card(3, q("Lei do SINASE"), q("Congresso Nacional"), q("B"), q("B02 D04"), q("sinase"),
             {q("Lei sobre medidas socioeducativas.")}),
        card(4, q("Habeas corpus 123"), q("STJ"), q("C"), q("C13"), q("hc"),
             {q("Primeira linha da decisão.\r\nSegunda linha.\nTerceira.")}),
        card(5, q("Decisão monocrática"), q("TJSP"), q("H"), q("H01"), q(""), {q("texto")}),
        card(6, q("Petição inicial"), q("Modelo"), q("E"), q("E01"), q(""),
             {q("Modelo de petição.")}),
        card(7, q("Programa Família Acolhedora"), q("Município"), q("D"), q("D01"), q(""),
             {q("Programa municipal.")}),
        card(8, q("Cartilha de ciclos"), q("Autor F"), q("F"), q("F11"), q(""),
             {q("texto de ciclo")}),
        card(9, q("Ação civil pública"), q("Silva, Ana"), q("A"), q("A03"), q(""),
             {q("Outro texto.")}),
    };
}

// The search cards and a long decision listed after card 4 under "C13",
// whose text damageDecision() makes unreadable.
inline QList<TestCard> withDamagedDecision() {
    QList<TestCard> cards = searchCards();
    const QString filler = q("decisão longa ").repeated(1500);
    cards << card(10, q("Recurso especial"), q("STJ"), q("C"), q("C13"), q(""),
                  {filler + q("MARCADOR") + filler});
    return cards;
}

// Points the overflow pages holding the middle of card 10's text, and of
// the opening the lists read of it, nowhere, as a damaged file may: reading
// either fails, everything else reads.
inline void damageDecision(const QString& databasePath) {
    {
        // An opening with a mark of its own, long enough for a chain of
        // overflow pages as the text's.
        sqlite::Connection db(databasePath, sqlite::OpenMode::ReadWrite);
        db.executeScript(
            "UPDATE TEXT_OPENINGS SET opening = (SELECT substr(conteudo, 1, 5000) || 'ABERTURA' "
            "|| substr(conteudo, 5001, 5000) FROM TEXTOS WHERE rowid = row) "
            "WHERE row IN (SELECT rowid FROM TEXTOS WHERE cod_texto = 10)");
    }
    QFile file(databasePath);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray bytes = file.readAll();
    const qsizetype pageSize = (static_cast<uchar>(bytes[16]) << 8) | static_cast<uchar>(bytes[17]);
    for (const char* marker : {"MARCADOR", "ABERTURA"}) {
        const qsizetype at = bytes.indexOf(marker);
        ASSERT_GT(at, pageSize) << marker;
        ASSERT_TRUE(file.seek(at / pageSize * pageSize));
        file.write(QByteArray(4, '\x7f'));
    }
}

// Remembers what the result-list logic asked of its host.
class RecordingHost : public ResultListHost {
public:
    void showBusy() override { ++busyShown; }
    void hideBusy() override { ++busyHidden; }
    void processPendingMessages() override { ++pumps; }
    void showMessage(const QString& text) override { messages << text; }
    void listsAboutToChange() override { ++rewrites; }
    void listsChanged() override { --rewrites; }

    // Whether every busy period and every rewrite of the lists has ended.
    bool settled() const { return busyShown == busyHidden && rewrites == 0; }

    int busyShown = 0;
    int busyHidden = 0;
    int pumps = 0;
    int rewrites = 0;
    QStringList messages;
};

}  // namespace corvanel::testing
