#pragma once

#include "MainWindowLayout.h"

#include <QFrame>

class QLabel;
class QLineEdit;

namespace corvanel {

class PageBrowser;

// The start page: the edition, the version, the collection's total in a
// five-digit display, and the content's own start page in a browser whose
// edges its panel clips.
class StartPage final : public QFrame {
    Q_OBJECT

public:
    StartPage(const main_window::StartPageLayout& layout, const QRect& geometry, QWidget* parent);

    PageBrowser* browser() const { return Nav2; }

    void setTotal(const QString& total);
    QString total() const;

    // The collection's edition line; empty: the program's own.
    void setEdition(const QString& edition);
    QString edition() const;

private:
    QLabel* editionLabel_ = nullptr;
    QString ownEdition_;
    int editionWidth_ = 0;
    QLineEdit* MaskEdit7 = nullptr;
    PageBrowser* Nav2 = nullptr;
};

}  // namespace corvanel
