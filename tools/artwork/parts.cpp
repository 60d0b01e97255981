#include "parts.h"

#include "words.h"

#include <QImage>
#include <QPainter>
#include <array>
#include <stdexcept>

namespace artwork {

QString word(const QStringList& args, int index) {
    if (index < 0 || index >= args.size()) {
        throw std::invalid_argument("missing word " + std::to_string(index + 1) +
                                    " for this painter");
    }
    return args.at(index);
}

State stateWord(const QStringList& args, int index) {
    const QString w = word(args, index);
    if (w == QLatin1String("normal")) {
        return State::Normal;
    }
    if (w == QLatin1String("hover")) {
        return State::Hover;
    }
    if (w == QLatin1String("selected")) {
        return State::Selected;
    }
    throw std::invalid_argument("unknown state \"" + w.toStdString() + "\"");
}

const Section& sectionNamed(const QString& key) {
    static const std::array<Section, 7> sections{{
        {QStringLiteral("inicio"), QStringLiteral("Início"), symbol::house},
        {QStringLiteral("textos"), QStringLiteral("Textos"), symbol::book},
        {QStringLiteral("legislacao"), QStringLiteral("Legislação"), symbol::scales},
        {QStringLiteral("julgados"), QStringLiteral("Julgados"), symbol::gavel},
        {QStringLiteral("experiencias"), QStringLiteral("Experiências"), symbol::bulb},
        {QStringLiteral("modelos"), QStringLiteral("Modelos"), symbol::form},
        {QStringLiteral("ciclos"), QStringLiteral("Ciclos de Vida"), symbol::growth},
    }};
    for (const Section& s : sections) {
        if (s.key == key) {
            return s;
        }
    }
    throw std::invalid_argument("unknown section \"" + key.toStdString() + "\"");
}

void paintBackground(QPainter& p, Painter background, const QSize& fullSize, QPoint origin) {
    const WordsUnheard beneath;
    QImage full(fullSize, QImage::Format_RGB32);
    full.fill(Qt::white);
    {
        QPainter q(&full);
        q.setRenderHints(p.renderHints());
        background(q, fullSize, {});
    }
    p.drawImage(QPoint(0, 0), full,
                QRect(origin, QSize(p.device()->width(), p.device()->height())));
}

}  // namespace artwork
