#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringView>
#include <QWidget>

#include <functional>
#include <optional>

namespace corvanel {

class PageBrowser;

// A small window showing one page of the content folder under a picture.
// Each time it goes from hidden to visible it loads its page again from
// the content root of that moment.
class InformationPageWindow : public QWidget {
    Q_OBJECT

public:
    struct Layout {
        QStringView caption;
        QSize clientSize;
        std::optional<QPoint> position;  // none: centred on the screen
        QRect panel;
        bool raisedPanel = false;
        QStringView picture;
        QRect pictureGeometry;
        QRect browser;
        QStringView pageName;
    };

    InformationPageWindow(const Layout& layout, QWidget* parent);

    // Where the window reads the content root when it is shown.
    void setContentRootSource(std::function<QString()> contentRoot);

    PageBrowser* browser() const { return pageBrowser_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    // Loads the window's page from the content root of this moment.
    void loadPage();

    QString pageName_;
    std::function<QString()> contentRoot_;
    PageBrowser* pageBrowser_ = nullptr;
};

}  // namespace corvanel
