#pragma once

#include <QObject>

class QLineEdit;
class QStringListModel;

namespace corvanel {

class RememberedState;

// The last searches, offered as the user types in every search box: one
// list for all boxes, newest first, kept in the user's settings.
class SearchHistory final : public QObject {
public:
    explicit SearchHistory(RememberedState& state, QObject* parent = nullptr);

    // Offers the searches in box as it is typed in, and all of them on the
    // Down key.
    void offerIn(QLineEdit* box);

    void record(const QString& words);
    // "Limpar histórico" (the settings are cleared by the caller).
    void forget();

    QStringList searches() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RememberedState& state_;
    QStringListModel* model_;
};

}  // namespace corvanel
