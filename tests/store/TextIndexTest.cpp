#include "DatabaseError.h"
#include "TestCollection.h"
#include "TextIndex.h"

#include <QFile>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;

using testing::card;
using testing::TestCard;
using testing::TestCollection;

QList<TestCard> cards() {
    return {
        card(1, q("abc"), q("Autor"), q("A"), q("A01"), q("def"), {q("ghi")}),
        card(2, q("Água potável"), q("Ministério da Saúde"), q("B"), q("B07"), q("saneamento"),
             {q("Direito à EDUCAÇÃO\nsegunda linha"), q("poços d'água e 100% cisternas")}),
        card(4, q("Sem texto"), q("Autor E"), q("D"), q("D01"), q("vazio"), {}),
    };
}

TEST(TextIndex, AFailedLoadIsTriedAgain) {
    QTemporaryDir folder;
    const QString path = folder.filePath(q("db3.mdb"));
    TextIndexLoader loader(path);
    loader.start();
    EXPECT_THROW(loader.index(), DatabaseError);

    TestCollection collection(cards());
    ASSERT_TRUE(QFile::copy(collection.databasePath(), path));
    EXPECT_EQ(loader.index().rowCount(), 3u);
}

}  // namespace
}  // namespace corvanel
