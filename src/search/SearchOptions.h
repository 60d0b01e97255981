#pragma once

#include "RememberedState.h"
#include "ResultArrangement.h"

#include <QObject>

class QCheckBox;
class QMenu;
class QWidget;

namespace corvanel {

// The user's choices of how searches match and how their results are
// listed, shared by every search box, check box and menu item that shows
// them: "Palavra inteira", "Ordenar por: título | relevância", "Agrupar por
// documento". Each change is told to all of them and remembered.
class SearchOptions final : public QObject {
    Q_OBJECT

public:
    explicit SearchOptions(QObject* parent = nullptr);

    // Takes the choices state remembers, and remembers each change there;
    // state must outlive the options.
    void rememberIn(RememberedState& state);

    bool wholeWords() const { return choices_.wholeWords; }
    ResultArrangement arrangement() const;

    void setWholeWords(bool wholeWords);
    void setOrder(ResultOrder order);
    void setGroupedByDocument(bool grouped);

    // A "Palavra inteira" check box, in step with the choice both ways.
    QCheckBox* addWholeWordsBox(QWidget* parent, const QString& objectName);
    // The choices as menu items at the foot of menu, in step both ways.
    void addMenuItems(QMenu& menu);

Q_SIGNALS:
    void wholeWordsChanged(bool wholeWords);
    // The order or the grouping.
    void arrangementChanged();

private:
    void change(const SearchChoices& choices);

    SearchChoices choices_;
    RememberedState* state_ = nullptr;
};

}  // namespace corvanel
