#include "TTextos.h"

#include "ContentAddress.h"
#include "Database.h"
#include "Look.h"
#include "StartupProgress.h"
#include "Statements.h"

#include <array>
#include <utility>

namespace corvanel {

namespace layout {
constexpr QSize kDesignSize{646, 387};
constexpr QPoint kDesignPosition{237, 167};
}  // namespace layout

TTextos::TTextos(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Textos"));
    setWindowTitle(QStringLiteral("Resultados"));
    resize(layout::kDesignSize);
    move(layout::kDesignPosition);
    Look::fillBackground(this, Look::windowGreen());
}

TTextos::~TTextos() = default;

void TTextos::advanceSplashBar(StartupProgress& progress) {
    constexpr int kSteps = 1000;
    constexpr int kStep = 1000 / 90;
    for (int i = 0; i < kSteps; ++i) {
        progress.setBarPosition(progress.barPosition() + kStep);
    }
}

void TTextos::FormCreate(const CreationContext& context) {
    if (context.progress != nullptr) {
        advanceSplashBar(*context.progress);
    }

    database_ = std::make_unique<Database>(context.connectionString);

    Edit6 = QString::number(
        database_->countRows(Statements::collectionCount(), context.messagePump));

    // Ciclos de Vida has no section letter of its own in the cards; its total
    // is that of the letter "A", like its section search.
    constexpr std::array<std::pair<Section, char16_t>, 6> kSectionLetters{{
        {Section::Textos, u'A'},
        {Section::Legislacao, u'B'},
        {Section::Julgados, u'C'},
        {Section::Experiencias, u'D'},
        {Section::Modelos, u'E'},
        {Section::Ciclos, u'A'},
    }};
    for (const auto& [section, letter] : kSectionLetters) {
        const int total =
            database_->countRows(Statements::sectionCount(QString(QChar(letter))),
                                 context.messagePump);
        if (context.writeSectionTotal) {
            context.writeSectionTotal(section, QString::number(total));
        }
    }

    CaminhoCD = database_->readOneValue(Statements::contentRootRead(), u"tipo");

    if (!ContentAddress::hasMarkerFile(CaminhoCD) && context.showContentLocationScreen) {
        context.showContentLocationScreen();
    }
}

}  // namespace corvanel
