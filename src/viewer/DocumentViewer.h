#pragma once

#include "SaveDialog.h"

#include <QByteArray>
#include <QString>
#include <QWidget>

#include <functional>

class QFrame;

namespace corvanel {

class PageBrowser;

// Whether opening a page empties the save buffer: documents do, help does not.
enum class SaveBufferOnOpen { Empty, Keep };

// The document viewer: one page of the content folder at a time, which the
// user can save or print. Created hidden once; closing it only hides it.
class DocumentViewer final : public QWidget {
    Q_OBJECT

public:
    explicit DocumentViewer(QWidget* parent = nullptr);

    // Where printing and saving read the content root, each time they run.
    void setContentRootSource(std::function<QString()> contentRoot);

    // How every opener shows a page here: navigates first, then sets the
    // viewer's state, then shows the viewer and brings it to the front. A
    // navigation that fails raises before anything else changes.
    void openPage(const QString& contentRoot, const QString& pageName, SaveBufferOnOpen saveBuffer);

    // The name of the page opened last.
    QString pageName() const { return pageName_; }

    // What the last save wrote, until a document is opened.
    const QByteArray& saveBuffer() const { return saveBuffer_; }

    PageBrowser* browser() const { return pageBrowser_; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void addPictureButton(QStringView name, QPoint position, void (DocumentViewer::*handler)());
    // Saves a copy of the page shown, byte for byte, where the user says.
    void saveCopy();
    // Has the page shown print itself.
    void print();
    // The browser and the grey panel follow the window's size, which stays
    // above the minimum.
    void fitToWindowSize();
    QSize frameExtent() const;
    QString contentRoot() const;

    PageBrowser* pageBrowser_ = nullptr;
    QFrame* greyPanel_ = nullptr;
    QString pageName_;
    QByteArray saveBuffer_;
    SaveDialog saveDialog_;
    std::function<QString()> contentRoot_;
    bool placed_ = false;
};

}  // namespace corvanel
