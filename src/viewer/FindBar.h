#pragma once

#include <QTimer>
#include <QWidget>

class QLabel;
class QLineEdit;
class QToolButton;

namespace corvanel {

// The viewer's strip of marked words: the words of the search a document
// was opened from ("Busca"), or the words the user types to find in the
// page ("Localizar"), with the count "3 de 17" and buttons to the previous
// and the next occurrence.
class FindBar final : public QWidget {
    Q_OBJECT

public:
    enum class Mode { SearchWords, Find };

    explicit FindBar(QWidget* parent = nullptr);

    Mode mode() const { return mode_; }
    void setMode(Mode mode);

    // The words typed to find.
    QString findText() const;
    QLineEdit* findField() const { return findField_; }

    // "3 de 17"; "não encontrado" when there is nothing to show.
    void showPosition(int current, int count);
    void clearPosition();
    QString positionText() const;

    // The search words, for the tooltip of the strip.
    void setSearchWords(const QString& words);

Q_SIGNALS:
    // Typed words to find, once the typing pauses (or at once on Enter).
    void findTextChanged(const QString& text);
    void nextRequested();
    void previousRequested();
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QToolButton* addButton(const QString& name, const QString& accessibleName);
    void findNow();

    Mode mode_ = Mode::SearchWords;
    QLabel* caption_ = nullptr;
    QLineEdit* findField_ = nullptr;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QLabel* position_ = nullptr;
    QToolButton* close_ = nullptr;
    QTimer typingPause_;
    QString lastFound_;
};

}  // namespace corvanel
