#pragma once

#include <QString>
#include <QStringView>

class QWidget;

namespace corvanel {

// The viewer's save dialogs. The page's first opens on ".htm" in the
// user's documents folder (or the folder saved to in an earlier run);
// afterwards it starts from the last path chosen. The PDF's offers the
// page's name in the folder saved to last. Neither asks before an existing
// file is replaced.
class SaveDialog {
public:
    static constexpr QStringView kFilter = u"Salvar como Página da Web (*.htm)";
    static constexpr QStringView kPdfFilter = u"Salvar como PDF (*.pdf)";

    explicit SaveDialog(QStringView filter = kFilter, QStringView extension = u".htm");

    // The path chosen, the extension added when it has none; empty when the
    // user cancels. suggestedName: the file name offered, if not the last.
    QString execute(QWidget* parent, const QString& suggestedName = QString());

    // The folder a file was saved to last, by either dialog.
    void setLastFolder(const QString& folder) { lastFolder_ = folder; }

private:
    QString startingPath(const QString& suggestedName) const;

    QString filter_;
    QString extension_;
    QString fileName_;
    QString lastFolder_;
};

}  // namespace corvanel
