#pragma once

#include <QWidget>

namespace corvanel {

class PageBrowser;

// The update assistant: shows the publisher's update-check page for this
// version of the program. The page says what there is to say; the program
// reads nothing back.
class UpdateAssistant final : public QWidget {
    Q_OBJECT

public:
    explicit UpdateAssistant(QWidget* parent = nullptr);

    PageBrowser* browser() const { return pageBrowser_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void loadUpdateCheckPage();

    PageBrowser* pageBrowser_ = nullptr;
};

// What the main window's update commands do: the notice that the check
// needs the Internet, then the assistant.
void openUpdateAssistant(UpdateAssistant& assistant);

}  // namespace corvanel
