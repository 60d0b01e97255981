#include "Look.h"

#include "ProgramFonts.h"

#include "Artwork.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QWidget>

#include <algorithm>
#include <tuple>
#include <utility>

namespace corvanel::Look {

namespace {

constexpr QColor kDesignGreen{123, 198, 33};
constexpr QColor kContrastGreen{0, 100, 0};
constexpr QColor kDesignSelection{107, 166, 231};
constexpr QColor kContrastSelection{0, 60, 140};
constexpr QColor kFocusedSelection{11, 80, 196};
constexpr QColor kDarkGreen{24, 58, 24};
constexpr QColor kDarkPanel{38, 40, 38};
constexpr QColor kDarkHeading{150, 215, 150};
constexpr QColor kDarkText{232, 232, 232};

Scheme currentScheme = Scheme::Design;

// The colours a scheme gives the frame, the white panels and the headings.
struct SchemeColours {
    QColor green;
    QColor panel;
    QColor heading;
};

SchemeColours coloursOf(Scheme scheme) {
    switch (scheme) {
        case Scheme::HighContrast:
            return {kContrastGreen, panelWhite(), deepGreen()};
        case Scheme::Dark:
            return {kDarkGreen, kDarkPanel, kDarkHeading};
        case Scheme::Design:
            break;
    }
    return {kDesignGreen, panelWhite(), deepGreen()};
}

QColor greenOf(Scheme scheme) {
    return coloursOf(scheme).green;
}

// The palette of the controls that keep the style's own colours (lists,
// fields, buttons), dark.
QPalette darkPalette() {
    QPalette palette;
    const std::pair<QPalette::ColorRole, QColor> roles[] = {
        {QPalette::Window, kDarkPanel},
        {QPalette::WindowText, kDarkText},
        {QPalette::Base, QColor(28, 30, 28)},
        {QPalette::AlternateBase, kDarkPanel},
        {QPalette::Text, kDarkText},
        {QPalette::Button, QColor(52, 56, 52)},
        {QPalette::ButtonText, kDarkText},
        {QPalette::ToolTipBase, kDarkPanel},
        {QPalette::ToolTipText, kDarkText},
        {QPalette::PlaceholderText, QColor(160, 160, 160)},
        {QPalette::Highlight, kContrastSelection},
        {QPalette::HighlightedText, Qt::white},
        {QPalette::Link, kDarkHeading},
        {QPalette::BrightText, Qt::white},
        {QPalette::Light, QColor(80, 84, 80)},
        {QPalette::Mid, QColor(60, 64, 60)},
        {QPalette::Dark, QColor(20, 22, 20)},
        {QPalette::Shadow, Qt::black},
    };
    for (const auto& [role, colour] : roles) {
        palette.setColor(role, colour);
    }
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(130, 130, 130));
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(130, 130, 130));
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(130, 130, 130));
    return palette;
}

// Windows built in the dark theme ask for the design's white panels: each
// takes the theme's colours as it is shown.
class DarkWindows final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

QString cssOf(const QColor& colour) {
    return QStringLiteral("rgb(%1, %2, %3)")
        .arg(colour.red())
        .arg(colour.green())
        .arg(colour.blue());
}

// Every role of every group that holds one of the old scheme's colours
// takes the new scheme's: the green of frames, the white of panels and the
// green of headings, each in the roles it is used for.
void recolour(QWidget* widget, const SchemeColours& from, const SchemeColours& to) {
    // White and the headings' green are also the style's own colours: only
    // a widget that set them itself has them changed.
    const std::tuple<QColor, QColor, QList<QPalette::ColorRole>, bool> swaps[] = {
        {from.green, to.green, {QPalette::Window, QPalette::Highlight, QPalette::Button}, false},
        {from.panel, to.panel, {QPalette::Window, QPalette::Base, QPalette::Button}, true},
        {from.heading, to.heading, {QPalette::WindowText, QPalette::Text}, true},
    };
    QPalette palette = widget->palette();
    bool changed = false;
    for (const auto& [old, replacement, roles, ownOnly] : swaps) {
        if (old == replacement) {
            continue;
        }
        for (const auto role : roles) {
            if (ownOnly && (!widget->testAttribute(Qt::WA_SetPalette) ||
                            (palette.resolveMask() & (quint64(1) << role)) == 0)) {
                continue;
            }
            for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                if (palette.color(group, role) == old) {
                    palette.setColor(group, role, replacement);
                    changed = true;
                }
            }
        }
    }
    if (changed) {
        widget->setPalette(palette);
    }
    if (widget->styleSheet().contains(cssOf(from.green))) {
        widget->setStyleSheet(widget->styleSheet().replace(cssOf(from.green), cssOf(to.green)));
    }
}

// A text laid on a picture of the design's artwork stays dark: the
// pictures keep their white.
void keepDarkTextOnPictures(QWidget* widget) {
    auto* label = qobject_cast<QLabel*>(widget);
    if (label == nullptr || label->text().isEmpty() || label->parentWidget() == nullptr) {
        return;
    }
    for (const QLabel* picture :
         label->parentWidget()->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (picture != label && !picture->pixmap().isNull() &&
            picture->geometry().contains(label->geometry())) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, Qt::black);
            label->setPalette(palette);
            return;
        }
    }
}

void darken(QWidget* widget) {
    recolour(widget, coloursOf(Scheme::Design), coloursOf(Scheme::Dark));
    keepDarkTextOnPictures(widget);
}

bool DarkWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && currentScheme == Scheme::Dark && watched->isWidgetType()) {
        auto* window = static_cast<QWidget*>(watched);
        darken(window);
        for (QWidget* child : window->findChildren<QWidget*>()) {
            darken(child);
        }
    }
    return false;
}

}  // namespace

Scheme scheme() {
    return currentScheme;
}

void applyScheme(Scheme scheme) {
    if (scheme == currentScheme) {
        return;
    }
    const SchemeColours from = coloursOf(currentScheme);
    const SchemeColours to = coloursOf(scheme);
    // The palette the style gave, for leaving the dark theme.
    static const QPalette ownPalette = QApplication::palette();
    static auto* darkWindows = new DarkWindows(qApp);
    if (scheme == Scheme::Dark) {
        QApplication::setPalette(darkPalette());
        qApp->installEventFilter(darkWindows);
    } else if (currentScheme == Scheme::Dark) {
        QApplication::setPalette(ownPalette);
        qApp->removeEventFilter(darkWindows);
    }
    currentScheme = scheme;
    for (QWidget* widget : QApplication::allWidgets()) {
        recolour(widget, from, to);
        if (scheme == Scheme::Dark) {
            keepDarkTextOnPictures(widget);
        }
        widget->update();
    }
    Artwork::use(scheme == Scheme::Design ? Artwork::Set::Design : Artwork::Set::HighContrast);
}

QColor windowGreen() {
    return greenOf(currentScheme);
}

QColor listSelection(bool focused) {
    if (focused) {
        return kFocusedSelection;
    }
    return currentScheme == Scheme::Design ? kDesignSelection : kContrastSelection;
}

void fillBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QFont sansSerif(int pixelSize) {
    return ProgramFonts::sansSerif(pixelSize);
}

void setHeadingColour(QLabel* label) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, deepGreen());
    label->setPalette(palette);
}

QLabel* addLabel(QWidget* parent, const QString& text, const QRect& geometry, int pixelSize) {
    auto* label = new QLabel(text, parent);
    label->setFont(sansSerif(pixelSize));
    label->setGeometry(geometry);
    return label;
}

QFrame* addPanel(QWidget* parent, const QRect& geometry, bool raised) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(geometry);
    fillBackground(panel, panelWhite());
    if (raised) {
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setLineWidth(1);
    }
    return panel;
}

QLabel* addPicture(QWidget* parent, const QString& file, const QRect& geometry) {
    auto* picture = new QLabel(parent);
    picture->setGeometry(geometry);
    Artwork::show(picture, file);
    return picture;
}

QPlainTextEdit* addMemo(QWidget* parent, const QString& text, const QRect& geometry, int pixelSize,
                        bool wrap) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setGeometry(geometry);
    memo->setFrameShape(QFrame::NoFrame);
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setFont(sansSerif(pixelSize));
    memo->setPlainText(text);
    return memo;
}

namespace {

bool linesFit(const QFont& font, const QStringList& lines, int width) {
    const QFontMetrics metrics(font);
    return std::all_of(lines.cbegin(), lines.cend(), [&](const QString& line) {
        return metrics.horizontalAdvance(line) <= width;
    });
}

}  // namespace

void fitLinesToWidth(QPlainTextEdit* memo) {
    constexpr int kSmallestPixelSize = 9;
    const QStringList lines = memo->toPlainText().split(u'\n');
    const int width = memo->width() - 2 * static_cast<int>(memo->document()->documentMargin()) -
                      2 * memo->frameWidth();
    QFont font = memo->font();
    if (!linesFit(font, lines, width)) {
        font.setStretch(QFont::SemiCondensed);
    }
    while (!linesFit(font, lines, width) && font.pixelSize() > kSmallestPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    memo->setFont(font);
}

QPushButton* addButton(QWidget* parent, const QString& caption, const QRect& geometry) {
    auto* button = new QPushButton(caption, parent);
    button->setGeometry(geometry);
    button->setFont(sansSerif(11));
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: white; font-weight: bold;"
                       " border: 1px solid rgb(46, 125, 50); border-radius: 3px; }"
                       "QPushButton:hover { background: rgb(46, 125, 50); }"
                       "QPushButton:pressed { background: rgb(33, 94, 36); }"
                       "QPushButton:focus { border: 2px solid rgb(33, 94, 36); }")
            .arg(cssOf(windowGreen())));
    return button;
}

void setUpToolWindow(QWidget* window, const QString& caption, const QSize& clientSize) {
    window->setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint);
    window->setWindowTitle(caption);
    window->setFixedSize(clientSize);
    fillBackground(window, windowGreen());
}

}  // namespace corvanel::Look
