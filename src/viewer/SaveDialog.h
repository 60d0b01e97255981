#pragma once

#include <QString>
#include <QStringView>

class QWidget;

namespace corvanel {

// The viewer's save dialog. The first time it opens on ".htm" in the
// user's documents folder; afterwards it starts from the last path chosen.
// It asks nothing before an existing file is replaced.
class SaveDialog {
public:
    static constexpr QStringView kFilter = u"Salvar como Página da Web (*.htm)";

    // The path chosen, ".htm" added when it has no extension; empty when the
    // user cancels.
    QString execute(QWidget* parent);

private:
    QString startingPath() const;

    QString fileName_;
};

}  // namespace corvanel
