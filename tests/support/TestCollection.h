#pragma once

#include "Card.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

namespace corvanel::testing {

// Test texts are written as UTF-8 literals.
inline QString q(const char* utf8) {
    return QString::fromUtf8(utf8);
}

using TestCard = collection::Card;

// A card with one text row unless texts says otherwise.
TestCard card(qint64 cod, const QString& titulo, const QString& subtitulo, const QString& sessao,
              const QString& categoria, const QString& pchave = QString(),
              const QStringList& texts = {QStringLiteral("texto")});

// The cards of a catalogue in tests/fixtures (the publisher's JSON Lines).
QList<TestCard> fixtureCards(const QString& catalogueName);

// Rewrites the search index of the database at path as builders wrote it
// when it kept a folded copy of every text row (SEARCH_TEXT) as the
// trigrams' content, with no digests.
void keepFoldedTextCopy(const QString& databasePath);

// A real db3.mdb in a temporary program folder, built from cards; and a
// content folder beside it (with or without its marker file).
class TestCollection {
public:
    struct Options {
        // The content root stored in CONTROLE (topo = 1); unset: the content
        // folder of this collection. Ignored when withRootRow is false.
        std::optional<QString> root;
        bool withRootRow = true;
        bool withMarkerFile = true;
        // false: as the earlier builder left it, without the search index.
        bool withSearchIndex = true;
        // false: an index written before its short strings' part was.
        bool withShortStringIndex = true;
        // true: an index written when it kept a folded copy of the texts.
        bool withFoldedTextCopy = false;
    };

    explicit TestCollection(const QList<TestCard>& cards);
    TestCollection(const QList<TestCard>& cards, const Options& options);

    QString programFolder() const;  // holds db3.mdb
    QString databasePath() const;
    QString contentFolder() const;     // with a closing '/'
    QString connectionString() const;  // the program's, for programFolder()

private:
    QTemporaryDir dir_;
};

}  // namespace corvanel::testing
