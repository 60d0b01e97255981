#include "RememberedState.h"

#include <QFileInfo>

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
const QString kSearches = QStringLiteral("historico/buscas");
const QString kDocuments = QStringLiteral("historico/documentos");
const QString kPage = QStringLiteral("pagina");
const QString kTitle = QStringLiteral("titulo");

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

QList<RecentDocument> RememberedState::recentDocuments() const {
    QList<RecentDocument> documents;
    QSettings& raw = settings_.raw();
    const int count = raw.beginReadArray(kDocuments);
    for (int i = 0; i < count && documents.size() < kHistoryLength; ++i) {
        raw.setArrayIndex(i);
        const RecentDocument document{raw.value(kPage).toString(), raw.value(kTitle).toString()};
        const bool known = std::any_of(documents.begin(), documents.end(), [&](const auto& d) {
            return d.pageName == document.pageName;
        });
        if (!document.pageName.trimmed().isEmpty() && !known) {
            documents << document;
        }
    }
    raw.endArray();
    return documents;
}

void RememberedState::rememberDocument(const RecentDocument& document) {
    if (document.pageName.trimmed().isEmpty()) {
        return;
    }
    QList<RecentDocument> documents = recentDocuments();
    RecentDocument top = document;
    for (qsizetype i = 0; i < documents.size(); ++i) {
        if (documents.at(i).pageName == document.pageName) {
            if (top.title.isEmpty()) {
                top.title = documents.at(i).title;
            }
            documents.removeAt(i);
            break;
        }
    }
    documents.prepend(top);
    documents = documents.mid(0, kHistoryLength);

    QSettings& raw = settings_.raw();
    raw.remove(kDocuments);
    raw.beginWriteArray(kDocuments, static_cast<int>(documents.size()));
    for (int i = 0; i < documents.size(); ++i) {
        raw.setArrayIndex(i);
        raw.setValue(kPage, documents.at(i).pageName);
        raw.setValue(kTitle, documents.at(i).title);
    }
    raw.endArray();
    write();
}

void RememberedState::clearHistory() {
    settings_.raw().remove(kSearches);
    settings_.raw().remove(kDocuments);
    write();
}

}  // namespace corvanel
