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
    QString pageName() const { return Edit1; }

    // What the last save wrote, until a document is opened.
    const QByteArray& saveBuffer() const { return RichEdit1; }

    PageBrowser* browser() const { return Nav; }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    void addPictureButton(QStringView name, QPoint position, void (DocumentViewer::*handler)());
    void Bt_SalvarClick();
    void Bt_imprimirClick();
    void FormResize();
    QSize frameExtent() const;
    QString contentRoot() const;

    PageBrowser* Nav = nullptr;
    QFrame* Panel1 = nullptr;
    QString Edit1;
    QByteArray RichEdit1;
    QString Memo1;
    SaveDialog SaveDialog1;
    std::function<QString()> contentRoot_;
    bool placed_ = false;
};

}  // namespace corvanel
