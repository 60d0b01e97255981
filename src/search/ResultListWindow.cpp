#include "ResultListWindow.h"

#include "ContentAddress.h"
#include "Database.h"
#include "ErrorBox.h"
#include "Look.h"
#include "PictureButtons.h"
#include "Prompts.h"
#include "ResultListModel.h"
#include "ResultListView.h"
#include "StartupProgress.h"
#include "BusyWindow.h"
#include "ResultListWindowLayout.h"

#include <QCoreApplication>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>

#include <array>
#include <utility>

namespace corvanel {

namespace {

QLabel* addPicture(QWidget* parent, const result_list_layout::Picture& picture) {
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
    font.setPixelSize(result_list_layout::kScopeFontPixels);
    return font;
}

QFont listFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(result_list_layout::kListFontPixels);
    return font;
}

QWidget* addCoverPanel(QWidget* parent, const QRect& geometry,
                       const result_list_layout::Picture* picture) {
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

ResultListWindow::ResultListWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      logic_(*this, Look::sansSerif(result_list_layout::kWindowFontPixels)),
      tipo(logic_.fields.tipo),
      Edit4(logic_.fields.Edit4),
      Aux(logic_.fields.Aux),
      SUBCAT(logic_.fields.SUBCAT),
      SUBCATOK(logic_.fields.SUBCATOK),
      CaminhoCD(logic_.contentRoot) {
    setObjectName(QStringLiteral("Textos"));
    setWindowTitle(QStringLiteral("Resultados"));
    setFont(Look::sansSerif(result_list_layout::kWindowFontPixels));
    resize(result_list_layout::kClientSize);
    move(result_list_layout::kPosition);
    Look::fillBackground(this, Look::windowGreen());
    createControls();
    setMinimumSize(result_list_layout::kMinimumOuterSize);
    applyHeader(HeaderLayout::Plain);
}

ResultListWindow::~ResultListWindow() = default;

// In the order of the layout: later controls lie above earlier ones, so the
// cover panels lie above the search tools.
void ResultListWindow::createControls() {
    using namespace result_list_layout;
    addPicture(this, Fundo);
    Image7 = addPicture(this, result_list_layout::Image7);
    Image7->setObjectName(QStringLiteral("Image7"));
    // A plain strip of the header, drawn to stretch with the window.
    Image7->setScaledContents(true);
    addPicture(this, result_list_layout::Image3);
    addPicture(this, result_list_layout::Image2);

    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setGeometry(result_list_layout::Edit3);
    connect(Edit3, &QLineEdit::returnPressed, this, &ResultListWindow::Bt_buscaClick);

    addPictureButton(this, result_list_layout::Bt_busca, [this] { Bt_buscaClick(); });
    addPictureButton(this, result_list_layout::Tavik3, [this] { Tavik3Click(); });
    addPictureButton(this, result_list_layout::Tavik4, [this] { Tavik4Click(); });
    addPictureButton(this, result_list_layout::Tavik1, [this] { Tavik1Click(); });

    Image6 = addPicture(this, result_list_layout::Image6);
    Pesquisando = addReadOnlyField(this, result_list_layout::Pesquisando, Look::sansSerif(kScopeFontPixels));
    Pesquisando->setObjectName(QStringLiteral("Pesquisando"));
    Image5 = addPicture(this, result_list_layout::Image5);
    Edit5 = addReadOnlyField(this, result_list_layout::Edit5, countFont());
    Edit5->setObjectName(QStringLiteral("Edit5"));

    model_ = new ResultListModel(logic_.lines(), this);
    ListBox1 = new ResultListView(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(result_list_layout::ListBox1);
    ListBox1->setFont(listFont());
    ListBox1->setItemPicture(Image1);
    ListBox1->setModel(model_);
    ListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(ListBox1, &QListView::doubleClicked, this, &ResultListWindow::ListBox1DblClick);

    Panel1 = addCoverPanel(this, result_list_layout::Panel1, &result_list_layout::Image4);
    Panel2 = addCoverPanel(this, result_list_layout::Panel2, &result_list_layout::Image8);
    Panel3 = addCoverPanel(this, result_list_layout::Panel3, nullptr);
    Panel3->setObjectName(QStringLiteral("Panel3"));
}

void ResultListWindow::advanceSplashBar(StartupProgress& progress) {
    constexpr int kSteps = 1000;
    constexpr int kStep = 1000 / 90;
    for (int i = 0; i < kSteps; ++i) {
        progress.setBarPosition(progress.barPosition() + kStep);
    }
}

void ResultListWindow::FormCreate(const CreationContext& context) {
    if (context.progress != nullptr) {
        advanceSplashBar(*context.progress);
    }

    logic_.connection().open(context.connectionString);
    Database& db = logic_.connection().connect();

    Edit6 = QString::number(db.countDocuments(context.messagePump));

    for (const SectionFacts& section : kSections) {
        const int total = db.countSection(section.cardLetter.toString(), context.messagePump);
        if (context.writeSectionTotal) {
            context.writeSectionTotal(section.section, QString::number(total));
        }
    }

    CaminhoCD = db.contentRoot();

    if (!ContentAddress::hasMarkerFile(CaminhoCD) && context.showContentLocationScreen) {
        context.showContentLocationScreen();
    }
}

Database* ResultListWindow::database() const { return logic_.connection().database(); }

void ResultListWindow::clearLists() { logic_.clearLists(); }

void ResultListWindow::setVisible(bool visible) {
    // The request of a caller that shows the window while it is visible.
    if (visible && isVisible()) {
        raise();
        activateWindow();
        FormShow();
        return;
    }
    QWidget::setVisible(visible);
}

void ResultListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FormResize();
    // Spontaneous: restored from the task bar, which is no request.
    if (!event->spontaneous()) {
        FormShow();
    }
}

void ResultListWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        logic_.hidden();
        Edit3->setText(logic_.fields.Edit3);
    }
}

void ResultListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FormResize();
}

// The window manager may frame the window only after it has been shown.
void ResultListWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    FormResize();
}

// The rules count the frame, so the minimum is set again whenever the frame
// may have changed. The list measures its items again itself once it has
// its new width.
void ResultListWindow::FormResize() {
    using namespace result_list_layout;
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinimumOuterSize - frame);
    const QSize outer = frameGeometry().size();
    ListBox1->resize(outer - kListMargins);
    Image7->resize(outer.width() - kImage7Margin, Image7->height());
    Panel3->resize(outer.width() - kPanel3Margin, Panel3->height());
}

void ResultListWindow::FormShow() {
    perform([this] { logic_.showRequest(); });
}

void ResultListWindow::Bt_buscaClick() {
    perform([this] { logic_.search(); });
}

void ResultListWindow::Tavik3Click() {
    perform([this] { logic_.narrow(); });
}

void ResultListWindow::Tavik4Click() {
    perform([this] { logic_.stepBack(); });
}

void ResultListWindow::Tavik1Click() {
    if (pageOpeners_.help) {
        runGuarded(pageOpeners_.help);
    }
}

void ResultListWindow::ListBox1DblClick(const QModelIndex& index) {
    std::optional<DocumentToOpen> document;
    perform([&] { document = logic_.openLine(index.isValid() ? index.row() : -1); });
    if (document && pageOpeners_.document) {
        runGuarded([&] { pageOpeners_.document(document->pageName); });
    }
}

void ResultListWindow::perform(const std::function<void()>& handler) {
    logic_.fields.Edit3 = Edit3->text();
    runGuarded(handler);
    showState();
}

void ResultListWindow::showState() {
    if (Edit3->text() != logic_.fields.Edit3) {
        Edit3->setText(logic_.fields.Edit3);
    }
    Pesquisando->setText(logic_.scopeName());
    Edit5->setText(logic_.rowCount());
    applyHeader(logic_.header());
}

void ResultListWindow::applyHeader(HeaderLayout header) {
    const bool covered = header == HeaderLayout::Listing;
    Panel1->setVisible(covered);
    Panel2->setVisible(covered);
    Panel3->setVisible(covered);
    const int drop = header == HeaderLayout::Plain ? result_list_layout::kPlainLayoutDrop : 0;
    Image6->move(result_list_layout::Image6.geometry.topLeft() + QPoint(0, drop));
    Image5->move(result_list_layout::Image5.geometry.topLeft() + QPoint(0, drop));
    Pesquisando->move(result_list_layout::Pesquisando.topLeft() + QPoint(0, drop));
    Edit5->move(result_list_layout::Edit5.topLeft() + QPoint(0, drop));
}

void ResultListWindow::showBusy() {
    if (busy_ != nullptr) {
        busy_->showBusy();
    }
}

void ResultListWindow::hideBusy() {
    if (busy_ != nullptr) {
        busy_->hideBusy();
    }
}

void ResultListWindow::processPendingMessages() {
    // Repaints only: a click now would start another request inside this one.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void ResultListWindow::showMessage(const QString& text) { Prompts::current().information(text); }

void ResultListWindow::listsAboutToChange() { model_->beginRewrite(); }

void ResultListWindow::listsChanged() { model_->endRewrite(); }

}  // namespace corvanel
