#include "TTextos.h"

#include "ContentAddress.h"
#include "Database.h"
#include "ErrorBox.h"
#include "Look.h"
#include "PictureButtons.h"
#include "Prompts.h"
#include "ResultListModel.h"
#include "ResultListView.h"
#include "StartupProgress.h"
#include "TProcurandoScreen.h"
#include "TTextosLayout.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include <array>
#include <utility>

namespace corvanel {

namespace {

QLabel* addPicture(QWidget* parent, const textos_layout::Picture& picture) {
    auto* label = new QLabel(parent);
    label->setGeometry(picture.geometry);
    label->setPixmap(QPixmap(QStringLiteral(":/artwork/") + picture.file));
    return label;
}

// A read-only field without border, as the scope name and the count are.
QLineEdit* addReadOnlyField(QWidget* parent, const QRect& geometry, const QFont& font) {
    auto* field = new QLineEdit(parent);
    field->setGeometry(geometry);
    field->setReadOnly(true);
    field->setFrame(false);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFont(font);
    field->setTextMargins(0, 0, 0, 0);
    field->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; background: white; }"));
    return field;
}

QFont countFont() {
    QFont font;
    font.setFamilies({QStringLiteral("MS Serif"), QStringLiteral("Times New Roman"),
                      QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPixelSize(textos_layout::kScopeFontPixels);
    return font;
}

QFont listFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(textos_layout::kListFontPixels);
    return font;
}

QWidget* addCoverPanel(QWidget* parent, const QRect& geometry,
                       const textos_layout::Picture* picture) {
    auto* panel = new QWidget(parent);
    panel->setGeometry(geometry);
    Look::fillBackground(panel, Look::windowGreen());
    if (picture != nullptr) {
        addPicture(panel, *picture);
    }
    panel->hide();
    return panel;
}

}  // namespace

TTextos::TTextos(QWidget* parent)
    : QWidget(parent, Qt::Window),
      logic_(*this, Look::sansSerif(textos_layout::kWindowFontPixels)),
      tipo(logic_.fields.tipo),
      Edit4(logic_.fields.Edit4),
      Aux(logic_.fields.Aux),
      SUBCAT(logic_.fields.SUBCAT),
      SUBCATOK(logic_.fields.SUBCATOK),
      CaminhoCD(logic_.contentRoot) {
    setObjectName(QStringLiteral("Textos"));
    setWindowTitle(QStringLiteral("Resultados"));
    setFont(Look::sansSerif(textos_layout::kWindowFontPixels));
    resize(textos_layout::kClientSize);
    move(textos_layout::kPosition);
    Look::fillBackground(this, Look::windowGreen());
    createControls();
    setMinimumSize(textos_layout::kMinimumOuterSize);
    applyHeader(HeaderLayout::Plain);
}

TTextos::~TTextos() = default;

// In the order of the layout: later controls lie above earlier ones, so the
// cover panels lie above the search tools.
void TTextos::createControls() {
    using namespace textos_layout;
    addPicture(this, Fundo);
    Image7 = addPicture(this, textos_layout::Image7);
    Image7->setObjectName(QStringLiteral("Image7"));
    // A plain strip of the header, drawn to stretch with the window.
    Image7->setScaledContents(true);
    addPicture(this, textos_layout::Image3);
    addPicture(this, textos_layout::Image2);

    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(textos_layout::Edit3);
    connect(Edit3, &QLineEdit::returnPressed, this, &TTextos::Bt_buscaClick);

    addPictureButton(this, textos_layout::Bt_busca, [this] { Bt_buscaClick(); });
    addPictureButton(this, textos_layout::Tavik3, [this] { Tavik3Click(); });
    addPictureButton(this, textos_layout::Tavik4, [this] { Tavik4Click(); });
    addPictureButton(this, textos_layout::Tavik1, [this] { Tavik1Click(); });

    Image6 = addPicture(this, textos_layout::Image6);
    Pesquisando = addReadOnlyField(this, textos_layout::Pesquisando, Look::sansSerif(kScopeFontPixels));
    Pesquisando->setObjectName(QStringLiteral("Pesquisando"));
    Image5 = addPicture(this, textos_layout::Image5);
    Edit5 = addReadOnlyField(this, textos_layout::Edit5, countFont());
    Edit5->setObjectName(QStringLiteral("Edit5"));

    model_ = new ResultListModel(logic_.lines(), this);
    ListBox1 = new ResultListView(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(textos_layout::ListBox1);
    ListBox1->setFont(listFont());
    ListBox1->setItemPicture(Image1);
    ListBox1->setModel(model_);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ListBox1, &QListView::doubleClicked, this, &TTextos::ListBox1DblClick);

    Panel1 = addCoverPanel(this, textos_layout::Panel1, &textos_layout::Image4);
    Panel2 = addCoverPanel(this, textos_layout::Panel2, &textos_layout::Image8);
    Panel3 = addCoverPanel(this, textos_layout::Panel3, nullptr);
    Panel3->setObjectName(QStringLiteral("Panel3"));
}

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

    logic_.connection().open(context.connectionString);
    Database& db = logic_.connection().connect();

    Edit6 = QString::number(db.countDocuments(context.messagePump));

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
        const int total = db.countSection(QString(QChar(letter)), context.messagePump);
        if (context.writeSectionTotal) {
            context.writeSectionTotal(section, QString::number(total));
        }
    }

    CaminhoCD = db.contentRoot();

    if (!ContentAddress::hasMarkerFile(CaminhoCD) && context.showContentLocationScreen) {
        context.showContentLocationScreen();
    }
}

Database* TTextos::database() const { return logic_.connection().database(); }

void TTextos::clearLists() { logic_.clearLists(); }

void TTextos::setVisible(bool visible) {
    // The request of a caller that shows the window while it is visible.
    if (visible && isVisible()) {
        raise();
        activateWindow();
        FormShow();
        return;
    }
    QWidget::setVisible(visible);
}

void TTextos::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormResize();
    // Spontaneous: restored from the task bar, which is no request.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void TTextos::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        logic_.hidden();
        Edit3->setText(logic_.fields.Edit3);
    }
}

void TTextos::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

// The window manager may frame the window only after it has been shown.
void TTextos::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FormResize();
}

// The rules count the frame, so the minimum is set again whenever the frame
// may have changed. The list measures its items again itself once it has
// its new width.
void TTextos::FormResize() {
    using namespace textos_layout;
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinimumOuterSize - frame);
    const QSize outer = frameGeometry().size();
    ListBox1->resize(outer - kListMargins);
    Image7->resize(outer.width() - kImage7Margin, Image7->height());
    Panel3->resize(outer.width() - kPanel3Margin, Panel3->height());
}

void TTextos::FormShow() {
    perform([this] { logic_.showRequest(); });
}

void TTextos::Bt_buscaClick() {
    perform([this] { logic_.search(); });
}

void TTextos::Tavik3Click() {
    perform([this] { logic_.narrow(); });
}

void TTextos::Tavik4Click() {
    perform([this] { logic_.stepBack(); });
}

void TTextos::Tavik1Click() {
    if (pageOpeners_.help) {
        runGuarded(pageOpeners_.help);
    }
}

void TTextos::ListBox1DblClick(const QModelIndex& index) {
    std::optional<DocumentToOpen> document;
    perform([&] { document = logic_.openLine(index.isValid() ? index.row() : -1); });
    if (document && pageOpeners_.document) {
        runGuarded([&] { pageOpeners_.document(document->pageName); });
    }
}

void TTextos::perform(const std::function<void()>& handler) {
    logic_.fields.Edit3 = Edit3->text();
    runGuarded(handler);
    showState();
}

void TTextos::showState() {
    if (Edit3->text() != logic_.fields.Edit3) {
        Edit3->setText(logic_.fields.Edit3);
    }
    Pesquisando->setText(logic_.scopeName());
    Edit5->setText(logic_.rowCount());
    applyHeader(logic_.header());
}

void TTextos::applyHeader(HeaderLayout header) {
    const bool covered = header == HeaderLayout::Listing;
    Panel1->setVisible(covered);
    Panel2->setVisible(covered);
    Panel3->setVisible(covered);
    const int drop = header == HeaderLayout::Plain ? textos_layout::kPlainLayoutDrop : 0;
    Image6->move(textos_layout::Image6.geometry.topLeft() + QPoint(0, drop));
    Image5->move(textos_layout::Image5.geometry.topLeft() + QPoint(0, drop));
    Pesquisando->move(textos_layout::Pesquisando.topLeft() + QPoint(0, drop));
    Edit5->move(textos_layout::Edit5.topLeft() + QPoint(0, drop));
}

void TTextos::showBusy() {
    if (busy_ != nullptr) {
        busy_->showBusy();
    }
}

void TTextos::hideBusy() {
    if (busy_ != nullptr) {
        busy_->hideBusy();
    }
}

void TTextos::processPendingMessages() {
    // Repaints only: a click now would start another request inside this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TTextos::showMessage(const QString& text) { Prompts::current().information(text); }

void TTextos::listsAboutToChange() { model_->beginRewrite(); }

void TTextos::listsChanged() { model_->endRewrite(); }

}  // namespace corvanel
