#pragma once

#include "ListFiller.h"
#include "Passage.h"
#include "RequestFields.h"
#include "RequestTable.h"
#include "ResultLevels.h"
#include "ResultLines.h"
#include "ScopeNames.h"
#include "ShownPassages.h"

#include <QString>

#include <functional>
#include <optional>

namespace corvanel {

class Collection;
class Database;
class ResultListHost;
class TextLineBreaker;

// A listed document the user asked to open.
struct DocumentToOpen {
    QString address;          // the page address for the browser
    QString pageName;         // the document code
    QStringList searchWords;  // the words the document was found by, if any
    // How they were matched: the page marks whole words only when they were.
    WordMatching matching = WordMatching::Anywhere;
    // The words in context of the row opened, where the page opens.
    QString passage;
};

// Everything the result-list window does, without the window: the request
// it runs when shown, the key-word search, narrowing ("Buscar Resultados"),
// stepping back ("Voltar"), and what a double click on a line means. The
// window binds it to its widgets; tests and corvanel-query drive it alone.
//
// The window's fields are parsed into request values when they are run;
// each result is kept as a value in the levels, so narrowing and stepping
// back need nothing of the database but the collection itself.
class ResultListLogic {
public:
    // The result list breaks court decisions into lines this wide, in the
    // window's font.
    static constexpr int kDecisionTextWidth = 577;

    // decisionLines breaks court decisions' texts as the list shows them.
    ResultListLogic(Collection& collection, ResultListHost& host,
                    const TextLineBreaker& decisionLines);

    // The request the window holds; requests write it before it is run.
    RequestFields fields;

    Collection& collection() { return collection_; }

    // Showing the window: empties the lists and the levels, runs the
    // request in the fields, names the scope and counts the rows.
    void showRequest();
    // The search button, or Enter in the search box.
    void search();
    // "Buscar Resultados": searches the words among the current result.
    void narrow();
    // "Voltar".
    void stepBack();
    // The order or the grouping in the fields changed: the key-word result
    // shown is listed again as they now ask. Nothing for a listing.
    void rearrange();
    // A double click on line row: an author of the author list lists the
    // author's texts; a document's line gives the document to open.
    std::optional<DocumentToOpen> openLine(qsizetype row);
    // Hiding the window.
    void hidden();
    // Empties both lists, as callers do before a request.
    void clearLists();
    // Reads the court decisions' lines first to last, before they are
    // shown: DatabaseError when a text cannot be read.
    void readLines(qsizetype first, qsizetype last) { lines_.readLines(first, last); }

    // What the window shows.
    const ResultLines& lines() const { return lines_; }
    const QString& scopeName() const { return scope_.name; }  // `Pesquisando`
    const QString& rowCount() const { return rowCount_; }     // `Edit5`
    HeaderLayout header() const { return header_; }
    int level() const { return levels_.level(); }
    // The words the rows shown were found by, for their passages; none for a
    // listing (nor for a search of blanks alone, which says nothing).
    const QStringList& passageWords() const { return passages_.words(); }
    // How those words were matched.
    WordMatching passageMatching() const { return passages_.matching(); }
    // The words in context of the text row a line shows; Nowhere for a line
    // of no row or a result of no words. Reads the row's text if need be.
    Passage passageOfLine(qsizetype row) { return passages_.of(row); }
    // The passages of the rows shown, worked out for the lines in view.
    const ShownPassages& passages() const { return passages_; }
    // Works out the passages of lines first to last: DatabaseError when a
    // text cannot be read.
    void readPassages(qsizetype first, qsizetype last) { passages_.read(first, last); }

    // The results of this showing, level by level.
    const ResultLevels& levels() const { return levels_; }

private:
    using Evaluation = std::function<SearchResult(Database&, const ListedRowVisitor&)>;
    // Fills the lists with what evaluation lists, arranged as the fields ask
    // when it was found by words, and counts what it listed; returns the
    // result as found (title order, every row), which the levels keep.
    SearchResult runFill(const Evaluation& evaluation, bool underLabels, bool authors = false);
    // Lists found as the fields' arrangement asks; returns the rows listed.
    int fillArranged(ListFiller& filler, const SearchResult& found);
    void openNewLevel(bool narrows = false);

    ResultListHost& host_;
    Collection& collection_;
    DecisionTextLines decisionText_;
    ResultLines lines_;
    ResultLevels levels_;
    ShownScope scope_;
    ShownPassages passages_;
    // What the lists show, as found, for listing it again in another order.
    SearchResult found_;
    bool foundUnderLabels_ = false;
    QString rowCount_;
    HeaderLayout header_ = HeaderLayout::Plain;
};

}  // namespace corvanel
