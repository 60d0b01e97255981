#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

// The folding the key-word search matches with, handed to the script that
// marks words in a page: the words folded whole, and the folded form of
// each character the page uses, so that the page is folded exactly as the
// search folds a text.
namespace corvanel::PageFolding {

// The words as the search compares them. Words that fold to nothing or to
// a lone blank would mark every blank of the page: they are left out.
QStringList needles(const QStringList& words);

// For each character (a whole code point) of characters, its folded form,
// also where it is the character itself: the table names what it knows.
QJsonObject foldingTable(const QString& characters);

// The table of the characters past ASCII most pages are written with:
// the Latin letters, punctuation, currency and letter-like signs.
const QJsonObject& commonFoldingTable();

}  // namespace corvanel::PageFolding
