#pragma once

#include <QString>
#include <QStringList>

namespace corvanel::collection {

// A document's index card as it goes into the database: one LABELS row and
// one TEXTOS row per entry of texts (none at all is allowed: such a card is
// counted but never listed).
struct Card {
    qint64 cod = 0;
    QString titulo;
    QString subtitulo;
    QString sessao;
    QString categoria;
    QString pchave;
    QStringList texts;
};

}  // namespace corvanel::collection
