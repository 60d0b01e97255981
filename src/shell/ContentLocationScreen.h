#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace corvanel {

// Shown at start when the content folder lacks its marker file: tells the
// user why, lets them point at the collection's "labels.dat" and stores its
// folder for the next start, then ends the program.
class ContentLocationScreen final : public QWidget {
    Q_OBJECT

public:
    // programFolder: where the database file lives.
    explicit ContentLocationScreen(QString programFolder, QWidget* parent = nullptr);

    // Shows the screen above every other window and paints it at once: the
    // GUI thread is busy starting up underneath it.
    void showOnTop();

    QString message() const;

    // Another collection was opened: the folder goes there, and the file
    // picked for the previous one is forgotten.
    void setProgramFolder(QString programFolder);

Q_SIGNALS:
    void terminationRequested();

private:
    // "LOCALIZAR": asks for the file; a cancelled dialog keeps the last pick.
    void pickMarkerFile();
    // "FECHAR": stores the picked file's folder, if any, and asks the program
    // to end. A database error is raised, and the program goes on.
    void storeFolderAndEnd();

    QString programFolder_;
    QString pickedFile_;  // the file picked last; empty until the user picks one
    QPlainTextEdit* message_ = nullptr;
};

}  // namespace corvanel
