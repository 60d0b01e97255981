#pragma once

#include <QString>
#include <QStringView>

class QWidget;

namespace corvanel {

// The viewer's save dialogs. Both offer the name they are given in the
// folder saved to last (in this run or an earlier one), else in the user's
// documents folder. Neither asks before an existing file is replaced.
class SaveDialog {
public:
    static constexpr QStringView kFilter = u"Salvar como Página da Web (*.htm)";
    static constexpr QStringView kPdfFilter = u"Salvar como PDF (*.pdf)";

    explicit SaveDialog(QStringView filter = kFilter, QStringView extension = u".htm");

    // The path chosen, the extension added when it has none; empty when the
    // user cancels. suggestedName: the file name offered.
    QString execute(QWidget* parent, const QString& suggestedName);

    // A document's title as a file name with extension: what no file system
    // takes, line breaks and leading dots left out, not too long; the
    // fallback (the document's code) when the title leaves nothing.
    static QString fileNameFor(const QString& title, const QString& fallback,
                               QStringView extension);

    // The folder a file was saved to last, by either dialog.
    void setLastFolder(const QString& folder) { lastFolder_ = folder; }

private:
    QString startingPath(const QString& suggestedName) const;

    QString filter_;
    QString extension_;
    QString lastFolder_;
};

}  // namespace corvanel
