#include "RememberedState.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <QRect>
#include <algorithm>

#include <cmath>

namespace corvanel {

namespace {

const QString kWindows = QStringLiteral("janelas/");
const QString kPosition = QStringLiteral("/posicao");
const QString kSize = QStringLiteral("/tamanho");
const QString kZoom = QStringLiteral("/zoom");
const QString kSaveFolder = QStringLiteral("pastas/ultimaGravacao");
const QString kPassages = QStringLiteral("lista/trechos");
const QString kSearches = QStringLiteral("historico/buscas");
const QString kDocuments = QStringLiteral("historico/documentos");
const QString kPage = QStringLiteral("pagina");
const QString kTitle = QStringLiteral("titulo");
const QString kCollection = QStringLiteral("colecao");
const QString kWholeWords = QStringLiteral("busca/palavraInteira");
const QString kOrder = QStringLiteral("busca/ordem");
const QString kGrouped = QStringLiteral("busca/agrupar");
const QString kRelevance = QStringLiteral("relevancia");
const QString kTitleOrder = QStringLiteral("titulo");
// How many collections' recent documents are kept at most.
constexpr int kMostCollections = 10;

// Far past any screen: a value beyond it was not written by the program.
constexpr int kLargestCoordinate = 100000;
constexpr double kSmallestZoom = 0.25;
constexpr double kLargestZoom = 5.0;

bool isSane(const QPoint& point) {
    return std::abs(point.x()) < kLargestCoordinate && std::abs(point.y()) < kLargestCoordinate;
}

QStringList cleanList(const QVariant& value) {
    QStringList result;
    for (const QString& entry : value.toStringList()) {
        if (!entry.trimmed().isEmpty() && !result.contains(entry) &&
            result.size() < RememberedState::kHistoryLength) {
            result << entry;
        }
    }
    return result;
}

// The same folder however it was written.
QString collectionKey(const QString& folder) {
    return folder.isEmpty() ? QString() : QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
}

// Only what the program writes turns a choice on: anything else is off.
bool isOn(const QVariant& value) {
    return value.toString() == u"true";
}

}  // namespace

RememberedState::RememberedState() : RememberedState(UserSettings::defaultFilePath()) {}

RememberedState::RememberedState(const QString& filePath) : settings_(filePath) {}

void RememberedState::write() {
    settings_.sync();
}

std::optional<WindowFrame> RememberedState::windowFrame(const QString& window) const {
    const QVariant position = settings_.raw().value(kWindows + window + kPosition);
    const QVariant size = settings_.raw().value(kWindows + window + kSize);
    if (!position.canConvert<QPoint>() || !size.canConvert<QSize>()) {
        return std::nullopt;
    }
    const WindowFrame frame{position.toPoint(), size.toSize()};
    if (!isSane(frame.position) || frame.size.isEmpty() ||
        frame.size.width() >= kLargestCoordinate || frame.size.height() >= kLargestCoordinate) {
        return std::nullopt;
    }
    return frame;
}

void RememberedState::storeWindowFrame(const QString& window, const WindowFrame& frame) {
    settings_.raw().setValue(kWindows + window + kPosition, frame.position);
    settings_.raw().setValue(kWindows + window + kSize, frame.size);
    write();
}

std::optional<double> RememberedState::zoom(const QString& view) const {
    bool isNumber = false;
    const double factor = settings_.raw().value(view + kZoom).toDouble(&isNumber);
    if (!isNumber || !std::isfinite(factor) || factor < kSmallestZoom || factor > kLargestZoom) {
        return std::nullopt;
    }
    return factor;
}

void RememberedState::storeZoom(const QString& view, double factor) {
    settings_.raw().setValue(view + kZoom, factor);
    write();
}

bool RememberedState::passagesShown() const {
    // Anything but what storePassagesShown writes leaves them on.
    return settings_.raw().value(kPassages).toString() != u"false";
}

void RememberedState::storePassagesShown(bool shown) {
    settings_.raw().setValue(kPassages, shown);
    write();
}

QString RememberedState::lastSaveFolder() const {
    const QString folder = settings_.raw().value(kSaveFolder).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void RememberedState::storeSaveFolder(const QString& folder) {
    settings_.raw().setValue(kSaveFolder, folder);
    write();
}

QStringList RememberedState::recentSearches() const {
    return cleanList(settings_.raw().value(kSearches));
}

void RememberedState::rememberSearch(const QString& words) {
    if (words.trimmed().isEmpty()) {
        return;
    }
    QStringList searches = recentSearches();
    searches.removeAll(words);
    searches.prepend(words);
    settings_.raw().setValue(kSearches, searches.mid(0, kHistoryLength));
    write();
}

QList<RememberedState::Remembered> RememberedState::allRecentDocuments() const {
    QList<Remembered> documents;
    QSettings& raw = settings_.raw();
    const int count = raw.beginReadArray(kDocuments);
    for (int i = 0; i < count; ++i) {
        raw.setArrayIndex(i);
        const Remembered entry{collectionKey(raw.value(kCollection).toString()),
                               {raw.value(kPage).toString(), raw.value(kTitle).toString()}};
        const bool known = std::any_of(documents.begin(), documents.end(), [&](const auto& d) {
            return d.collection == entry.collection &&
                   d.document.pageName == entry.document.pageName;
        });
        // An entry of an older version names no collection: it cannot be told
        // whose it was.
        if (!entry.collection.isEmpty() && !entry.document.pageName.trimmed().isEmpty() && !known) {
            documents << entry;
        }
    }
    raw.endArray();
    return documents;
}

QList<RecentDocument> RememberedState::recentDocuments(const QString& collection) const {
    const QString key = collectionKey(collection);
    QList<RecentDocument> documents;
    for (const Remembered& entry : allRecentDocuments()) {
        if (entry.collection == key && documents.size() < kHistoryLength) {
            documents << entry.document;
        }
    }
    return documents;
}

void RememberedState::rememberDocument(const QString& collection, const RecentDocument& document) {
    const QString key = collectionKey(collection);
    if (document.pageName.trimmed().isEmpty() || key.isEmpty()) {
        return;
    }
    QList<Remembered> documents = allRecentDocuments();
    Remembered top{key, document};
    for (qsizetype i = 0; i < documents.size(); ++i) {
        if (documents.at(i).collection == key &&
            documents.at(i).document.pageName == document.pageName) {
            if (top.document.title.isEmpty()) {
                top.document.title = documents.at(i).document.title;
            }
            documents.removeAt(i);
            break;
        }
    }
    documents.prepend(top);
    // Each collection keeps its newest, and the file stays small.
    QList<Remembered> kept;
    QHash<QString, int> perCollection;
    for (const Remembered& entry : std::as_const(documents)) {
        if (perCollection[entry.collection]++ < kHistoryLength &&
            kept.size() < qsizetype{kHistoryLength} * kMostCollections) {
            kept << entry;
        }
    }

    QSettings& raw = settings_.raw();
    raw.remove(kDocuments);
    raw.beginWriteArray(kDocuments, static_cast<int>(kept.size()));
    for (int i = 0; i < kept.size(); ++i) {
        raw.setArrayIndex(i);
        raw.setValue(kCollection, kept.at(i).collection);
        raw.setValue(kPage, kept.at(i).document.pageName);
        raw.setValue(kTitle, kept.at(i).document.title);
    }
    raw.endArray();
    write();
}

void RememberedState::clearHistory() {
    settings_.raw().remove(kSearches);
    settings_.raw().remove(kDocuments);
    write();
}

SearchChoices RememberedState::searchChoices() const {
    return {isOn(settings_.raw().value(kWholeWords)),
            settings_.raw().value(kOrder).toString() == kRelevance,
            isOn(settings_.raw().value(kGrouped))};
}

void RememberedState::storeSearchChoices(const SearchChoices& choices) {
    settings_.raw().setValue(kWholeWords, choices.wholeWords);
    settings_.raw().setValue(kOrder, choices.byRelevance ? kRelevance : kTitleOrder);
    settings_.raw().setValue(kGrouped, choices.groupedByDocument);
    write();
}

}  // namespace corvanel
