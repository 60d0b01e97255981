#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace corvanel {

// The about window: the program's version and how to reach support.
class AboutWindow final : public QWidget {
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);

    QString aboutText() const;

private:
    QPlainTextEdit* aboutText_ = nullptr;
};

}  // namespace corvanel
