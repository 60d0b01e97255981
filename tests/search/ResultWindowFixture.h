#pragma once

#include "BusyWindow.h"
#include "Collection.h"
#include "RecordingPrompts.h"
#include "ResultListWindow.h"
#include "SearchCollection.h"

#include <QAbstractItemModel>
#include <QListView>

#include <gtest/gtest.h>

namespace corvanel::testing {

// The real result-list window over the search collection, with its busy
// window; the documents it opens are recorded, not shown.
class ResultWindowFixture : public ::testing::Test {
protected:
    ResultWindowFixture() {
        opened_ = Collection::open(collection.programFolder());
        textos.setBusyWindow(&busy);
        textos.setPageOpeners(
            {[this](const DocumentToOpen& document) { opened << document.pageName; },
             [this] { opened << q("ajuda"); }});
    }
    ~ResultWindowFixture() override { textos.hide(); }

    // What a caller does: a request that writes these fields and empties the lists.
    void request(const char* kind, const char* argument, const char* words,
                 const char* adoptedSection = "") {
        textos.run({.kind = q(kind),
                    .words = q(words),
                    .argument = q(argument),
                    .adoptedSection = q(adoptedSection),
                    .clearsLists = true});
    }

    QStringList shownLines() const {
        QStringList lines;
        const QAbstractItemModel* model = textos.resultList()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            lines << model->index(row, 0).data().toString();
        }
        return lines;
    }

    TestCollection collection{searchCards()};
    Collection opened_{collection.connectionString()};
    RecordingPrompts prompts;
    BusyWindow busy;
    ResultListWindow textos{opened_};
    QStringList opened;
};

}  // namespace corvanel::testing
