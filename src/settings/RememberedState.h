#pragma once

#include "UserSettings.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

namespace corvanel {

// A document the user opened, as "Documentos recentes" lists it.
struct RecentDocument {
    QString pageName;
    QString title;  // the page's own title; empty until it was read

    bool operator==(const RecentDocument&) const = default;
};

// How the user last asked searches to be made and listed: "Palavra
// inteira", "Ordenar por: relevância", "Agrupar por documento"; all off
// unless chosen.
struct SearchChoices {
    bool wholeWords = false;
    bool byRelevance = false;
    bool groupedByDocument = false;

    bool operator==(const SearchChoices&) const = default;
};

// Where a window was and how large, as the user left it.
struct WindowFrame {
    QPoint position;  // of the frame's top left corner
    QSize size;       // of the window without its frame
};

// What the program remembers of the user's reading between runs, in the
// user's settings file: window places, zoom, the folder saved to last, the
// last searches and documents. Every value read is checked: one the user's
// file holds damaged reads as if it were not there. Each change is written
// at once.
class RememberedState {
public:
    static constexpr int kHistoryLength = 10;

    RememberedState();  // the user's own file
    explicit RememberedState(const QString& filePath);

    std::optional<WindowFrame> windowFrame(const QString& window) const;
    void storeWindowFrame(const QString& window, const WindowFrame& frame);

    // view: "leitor" (the viewer) or "lista" (the result list).
    std::optional<double> zoom(const QString& view) const;
    void storeZoom(const QString& view, double factor);

    // "Exibir > Trechos": the result list's words in context; on until
    // turned off.
    bool passagesShown() const;
    void storePassagesShown(bool shown);

    QString lastSaveFolder() const;
    void storeSaveFolder(const QString& folder);

    // Newest first, at most kHistoryLength, each once.
    QStringList recentSearches() const;
    void rememberSearch(const QString& words);
    // A page name means something only in its own collection: each
    // collection (its folder) has its own list.
    QList<RecentDocument> recentDocuments(const QString& collection) const;
    // Moves the page to the top; a title left empty keeps the one known.
    void rememberDocument(const QString& collection, const RecentDocument& document);

    SearchChoices searchChoices() const;
    void storeSearchChoices(const SearchChoices& choices);

    // "Limpar histórico": the searches and the documents.
    void clearHistory();

private:
    void write();
    struct Remembered {
        QString collection;
        RecentDocument document;
    };
    // Every collection's, newest first.
    QList<Remembered> allRecentDocuments() const;

    mutable UserSettings settings_;
};

}  // namespace corvanel
