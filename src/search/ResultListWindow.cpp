#include "ResultListWindow.h"

#include "DatabaseError.h"

#include "Artwork.h"
#include "BusyWindow.h"
#include "Collection.h"
#include "ErrorBox.h"
#include "KeyboardReach.h"
#include "Look.h"
#include "PictureButtons.h"
#include "Prompts.h"
#include "ResultListModel.h"
#include "ResultListView.h"
#include "ResultListWindowLayout.h"
#include "SearchHistory.h"
#include "SearchOptions.h"
#include "SearchWords.h"
#include "WindowPlacement.h"
#include "ZoomControl.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QToolTip>

#include <algorithm>

#include <utility>

namespace corvanel {

namespace {

QLabel* addPicture(QWidget* parent, const result_list_layout::Picture& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(picture.name.toString());
    label->setGeometry(picture.geometry);
    Artwork::show(label, picture.file.toString());
    return label;
}

// A read-only field without border, as the scope name and the count are.
QLineEdit* addReadOnlyField(QWidget* parent, const QString& name, const QRect& geometry,
                            const QFont& font) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setGeometry(geometry);
    field->setReadOnly(true);
    field->setFrame(false);
    field->setFocusPolicy(Qt::NoFocus);
    field->setFont(font);
    field->setTextMargins(0, 0, 0, 0);
    field->setStyleSheet(QStringLiteral("QLineEdit { padding: 0px; background: white; }"));
    return field;
}

QFont headerFieldFont(double zoom = 1.0) {
    using namespace result_list_layout;
    return Look::sansSerif(std::clamp(qRound(kWindowFontPixels * zoom), kHeaderFieldFewestPixels,
                                      kHeaderFieldMostPixels));
}

// A field as high as its text, centred on its caption, and wide enough for
// widest.
void placeField(QLineEdit* field, const QRect& design, const QRect& caption, int drop,
                const QString& widest) {
    const QFontMetrics metrics(field->font());
    const int height = std::max(design.height(), metrics.height());
    const int width = std::max(design.width(), metrics.horizontalAdvance(widest) + 2);
    field->setGeometry(design.left(), caption.center().y() + drop - height / 2 + 1, width, height);
}

QFont listFont(double zoom = 1.0) {
    QFont font;
    font.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qRound(result_list_layout::kListFontPixels * zoom));
    return font;
}

QWidget* addCoverPanel(QWidget* parent, const QString& name, const QRect& geometry,
                       const result_list_layout::Picture* picture) {
    auto* panel = new QWidget(parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    Look::fillBackground(panel, Look::windowGreen());
    if (picture != nullptr) {
        addPicture(panel, *picture);
    }
    panel->hide();
    return panel;
}

}  // namespace

ResultListWindow::ResultListWindow(Collection& collection, QWidget* parent)
    : QWidget(parent, Qt::Window),
      decisionLines_(Look::sansSerif(result_list_layout::kWindowFontPixels),
                     ResultListLogic::kDecisionTextWidth),
      logic_(collection, *this, decisionLines_),
      options_(new SearchOptions(this)) {
    setObjectName(QStringLiteral("Textos"));
    setWindowTitle(QStringLiteral("Resultados"));
    setFont(Look::sansSerif(result_list_layout::kWindowFontPixels));
    resize(result_list_layout::kClientSize);
    move(result_list_layout::kPosition);
    Look::fillBackground(this, Look::windowGreen());
    createControls();
    zoom_ = new ZoomControl(this, resultList_);
    connect(zoom_, &ZoomControl::factorChanged, this, [this](double factor) {
        resultList_->setFont(listFont(factor));
        scopeField_->setFont(headerFieldFont(factor));
        countField_->setFont(headerFieldFont(factor));
        placeHeaderFields();
    });
    setMinimumSize(result_list_layout::kMinimumOuterSize);
    applyHeader(HeaderLayout::Plain);
}

ResultListWindow::~ResultListWindow() = default;

// In the order of the layout: later controls lie above earlier ones, so the
// cover panels lie above the search tools.
void ResultListWindow::createControls() {
    using namespace result_list_layout;
    addPicture(this, kBackground);
    headerStrip_ = addPicture(this, kHeaderStrip);
    // A plain strip of the header, drawn to stretch with the window.
    headerStrip_->setScaledContents(true);
    addPicture(this, kEmblem);
    addPicture(this, kButtonCaptions);

    searchBox_ = new QLineEdit(this);
    searchBox_->setObjectName(QStringLiteral("Edit3"));
    searchBox_->setGeometry(kSearchBox);
    connect(searchBox_, &QLineEdit::returnPressed, this, &ResultListWindow::search);
    // Text beyond the bound is left out as it is typed or pasted, and the
    // user is told why, beside the box, without a window to close.
    searchBox_->setMaxLength(static_cast<int>(kLongestSearchWords));
    connect(searchBox_, &QLineEdit::inputRejected, this, [this] {
        QToolTip::showText(searchBox_->mapToGlobal(QPoint(0, searchBox_->height())),
                           QStringLiteral("A busca aceita até %1 caracteres; o texto além "
                                          "deles ficou de fora.")
                               .arg(kLongestSearchWords),
                           searchBox_);
    });

    coveredTools_ = {searchBox_, addPictureButton(this, kSearchButton, [this] { search(); }),
                     addPictureButton(this, kNarrowButton, [this] { narrow(); }),
                     addPictureButton(this, kBackButton, [this] { stepBack(); }),
                     addPictureButton(this, kHelpButton, [this] { showHelp(); })};
    // After the buttons, so that Tab still goes from the box to the search.
    wholeWordsBox_ = options_->addWholeWordsBox(this, QStringLiteral("PalavraInteira"));
    wholeWordsBox_->setGeometry(kWholeWordsBox);
    coveredTools_ << wholeWordsBox_;
    // A result shown is listed again in the order or grouping chosen; a
    // hidden window's, when it is next asked for one.
    connect(options_, &SearchOptions::arrangementChanged, this, [this] {
        if (isVisible()) {
            perform([this] { logic_.rearrange(); });
        }
    });

    scopeCaption_ = addPicture(this, kScopeCaption);
    scopeField_ =
        addReadOnlyField(this, QStringLiteral("Pesquisando"), kScopeField, headerFieldFont());
    countCaption_ = addPicture(this, kCountCaption);
    countField_ = addReadOnlyField(this, QStringLiteral("Edit5"), kCountField, headerFieldFont());

    model_ = new ResultListModel(logic_.lines(), this);
    model_->showPassages(&logic_.passages());
    resultList_ = new ResultListView(this);
    resultList_->setObjectName(QStringLiteral("ListBox1"));
    resultList_->setGeometry(kResultList);
    resultList_->setFont(listFont());
    resultList_->setBrokenLines(decisionLines_.font(), decisionLines_.width());
    resultList_->setModel(model_);
    resultList_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    resultList_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(resultList_, &QListView::doubleClicked, this, &ResultListWindow::openLine);
    connect(resultList_, &ResultListView::rowChosen, this, &ResultListWindow::openLine);
    connect(resultList_, &ResultListView::rowsInViewChanged, this,
            &ResultListWindow::readLinesInView);

    searchCover_ =
        addCoverPanel(this, QStringLiteral("Panel1"), kSearchCover, &kSearchCoverPicture);
    toolsCover_ = addCoverPanel(this, QStringLiteral("Panel2"), kToolsCover, &kToolsCoverPicture);
    stripCover_ = addCoverPanel(this, QStringLiteral("Panel3"), kStripCover, nullptr);
    nameForScreenReaders();
}

// The words the pictures carry, and names for the fields beside them.
void ResultListWindow::nameForScreenReaders() {
    const auto name = [this](const QString& objectName, const QString& text) {
        if (auto* widget = findChild<QWidget*>(objectName)) {
            widget->setAccessibleName(text);
        }
    };
    const QString doubleClick =
        QStringLiteral("Dê um duplo clique em um título para abrir o documento.");
    name(QStringLiteral("Image3"), QStringLiteral("Resultados da pesquisa"));
    name(QStringLiteral("Image2"), QStringLiteral("Voltar, Ajuda"));
    name(QStringLiteral("Image6"), QStringLiteral("Pesquisando em:"));
    name(QStringLiteral("Image5"), QStringLiteral("Documentos:"));
    name(QStringLiteral("Image4"), doubleClick);
    searchBox_->setAccessibleName(QStringLiteral("Buscar"));
    searchBox_->setAccessibleDescription(
        QStringLiteral("Palavras da busca; tecle Enter para buscar."));
    scopeField_->setAccessibleName(QStringLiteral("Pesquisando em:"));
    countField_->setAccessibleName(QStringLiteral("Documentos:"));
    resultList_->setAccessibleName(QStringLiteral("Resultados da pesquisa"));
    resultList_->setAccessibleDescription(doubleClick +
                                          QStringLiteral(" Com o teclado, tecle Enter."));
}

void ResultListWindow::setSearchHistory(SearchHistory* history) {
    searchHistory_ = history;
    searchHistory_->offerIn(searchBox_);
}

void ResultListWindow::run(const ResultRequest& request) {
    if (request.words) {
        searchBox_->setText(*request.words);
        if (searchHistory_ != nullptr) {
            searchHistory_->record(*request.words);
        }
    }
    request.writeInto(logic_.fields);
    if (request.clearsLists) {
        logic_.clearLists();
    }
    WindowPlacement::showOrRaise(this);
    perform([this] { logic_.showRequest(); });
    focusForReading();
}

void ResultListWindow::focusForReading() {
    if (logic_.header() == HeaderLayout::Listing) {
        resultList_->setFocus(Qt::OtherFocusReason);
    } else {
        searchBox_->setFocus(Qt::OtherFocusReason);
        searchBox_->selectAll();
    }
}

bool ResultListWindow::focusNextPrevChild(bool next) {
    return KeyboardReach::focusNext(this, next);
}

void ResultListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    followOuterSize();
}

void ResultListWindow::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    if (!event->spontaneous()) {
        logic_.hidden();
        searchBox_->setText(logic_.fields.words);
    }
}

void ResultListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    followOuterSize();
}

// The window manager may frame the window only after it has been shown.
void ResultListWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    followOuterSize();
}

// The rules count the frame, so the minimum is set again whenever the frame
// may have changed. The list measures its items again itself once it has
// its new width.
void ResultListWindow::followOuterSize() {
    using namespace result_list_layout;
    const QSize frame = frameGeometry().size() - size();
    setMinimumSize(kMinimumOuterSize - frame);
    const QSize outer = frameGeometry().size();
    resultList_->resize(outer - kListMargins);
    headerStrip_->resize(outer.width() - kHeaderStripMargin, headerStrip_->height());
    stripCover_->resize(outer.width() - kStripCoverMargin, stripCover_->height());
}

void ResultListWindow::search() {
    perform([this] { logic_.search(); });
    if (searchHistory_ != nullptr) {
        searchHistory_->record(logic_.fields.words);
    }
}

void ResultListWindow::narrow() {
    perform([this] { logic_.narrow(); });
    if (searchHistory_ != nullptr) {
        searchHistory_->record(logic_.fields.words);
    }
}

void ResultListWindow::stepBack() {
    perform([this] { logic_.stepBack(); });
}

void ResultListWindow::showHelp() {
    if (pageOpeners_.help) {
        runGuarded(pageOpeners_.help);
    }
}

void ResultListWindow::openLine(const QModelIndex& index) {
    std::optional<DocumentToOpen> document;
    perform([&] { document = logic_.openLine(index.isValid() ? index.row() : -1); });
    if (document && pageOpeners_.document) {
        runGuarded([&] { pageOpeners_.document(*document); });
    }
}

void ResultListWindow::perform(const std::function<void()>& handler) {
    logic_.fields.words = searchBox_->text();
    logic_.fields.wholeWords = options_->wholeWords();
    logic_.fields.arrangement = options_->arrangement();
    runGuarded(handler);
    showState();
}

void ResultListWindow::showState() {
    if (searchBox_->text() != logic_.fields.words) {
        searchBox_->setText(logic_.fields.words);
    }
    scopeField_->setText(logic_.scopeName());
    countField_->setText(logic_.rowCount());
    applyHeader(logic_.header());
    // Covered tools give the focus up to the list.
    if (logic_.header() == HeaderLayout::Listing && !KeyboardReach::isInSight(focusWidget())) {
        resultList_->setFocus(Qt::OtherFocusReason);
    }
    readLinesInView();
}

// Court decisions' lines and the rows' passages are read for the rows
// coming into view, before they are drawn: drawing only draws. A text that
// cannot be read leaves its lines blank and the window usable, and is told
// once per fill.
void ResultListWindow::readLinesInView() {
    const auto rows = resultList_->rowsInView();
    if (!rows) {
        return;
    }
    const auto readOrTell = [this](const std::function<void()>& read) {
        try {
            read();
        } catch (const DatabaseError& error) {
            if (!readErrorShown_) {
                readErrorShown_ = true;
                // Not inside the scroll or the resize that brought the rows.
                QMetaObject::invokeMethod(
                    this, [message = error.message()] { showStandardError(message); },
                    Qt::QueuedConnection);
            }
        }
    };
    readOrTell([&] { logic_.readLines(rows->first, rows->second); });
    if (model_->showsPassages()) {
        readOrTell([&] { logic_.readPassages(rows->first, rows->second); });
    }
    model_->linesRead(rows->first, rows->second);
}

void ResultListWindow::setPassagesShown(bool shown) {
    if (shown == model_->showsPassages()) {
        return;
    }
    model_->showPassages(shown ? &logic_.passages() : nullptr);
    resultList_->measureAgain();
    readLinesInView();
    Q_EMIT passagesShownChanged(shown);
}

bool ResultListWindow::passagesShown() const {
    return model_->showsPassages();
}

void ResultListWindow::applyHeader(HeaderLayout header) {
    using namespace result_list_layout;
    const bool covered = header == HeaderLayout::Listing;
    searchCover_->setVisible(covered);
    toolsCover_->setVisible(covered);
    stripCover_->setVisible(covered);
    // Out of sight under the covers, and so out of reach of Tab and of
    // screen readers too.
    for (QWidget* tool : coveredTools_) {
        tool->setVisible(!covered);
    }
    headerDrop_ = header == HeaderLayout::Plain ? kPlainLayoutDrop : 0;
    scopeCaption_->move(kScopeCaption.geometry.topLeft() + QPoint(0, headerDrop_));
    countCaption_->move(kCountCaption.geometry.topLeft() + QPoint(0, headerDrop_));
    placeHeaderFields();
}

void ResultListWindow::placeHeaderFields() {
    using namespace result_list_layout;
    placeField(scopeField_, kScopeField, kScopeCaption.geometry, headerDrop_, QString());
    // Five digits, as the start page's total has.
    placeField(countField_, kCountField, kCountCaption.geometry, headerDrop_,
               QStringLiteral("00000"));
}

void ResultListWindow::showBusy() {
    if (busy_ != nullptr) {
        busy_->showBusy(this);
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

void ResultListWindow::showMessage(const QString& text) {
    Prompts::current().information(text);
}

void ResultListWindow::listsAboutToChange() {
    model_->beginRewrite();
}

void ResultListWindow::listsChanged() {
    readErrorShown_ = false;
    model_->endRewrite();
}

}  // namespace corvanel
