#include "KeyboardReach.h"
#include "PaintCounter.h"
#include "PictureButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>

namespace corvanel {
namespace {

const QColor kWhitePixel(255, 255, 255);
const QColor kGreenPixel(123, 198, 33);

QPixmap solid(QSize size, const QColor& colour) {
    QPixmap picture(size);
    picture.fill(colour);
    return picture;
}

using testing::PaintCounter;

// A 160 x 60 button on a shown window: black panel, white normally, green
// under the pointer, a red picture and a blue hover picture of 20 x 20.
class PictureButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        QFont font(QStringLiteral("MS Sans Serif"));
        font.setPixelSize(11);
        window.setFont(font);
        window.resize(300, 200);
        button = new PictureButton(&window);
        button->setGeometry(10, 10, 160, 60);
        button->setOuterBevel(PictureButton::Bevel::None);
        button->setPanelColour(kBlack);
        button->setPicture(solid({20, 20}, Qt::red));
        button->setHoverPicture(solid({20, 20}, Qt::blue));
        button->setHoverColour(kWindowGreen);
        button->setLeaveColour(kWhite);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    QColor pixel(int x, int y) const { return button->grab().toImage().pixelColor(x, y); }

    void enter() {
        QEnterEvent event(QPointF(5, 5), QPointF(5, 5), button->mapToGlobal(QPointF(5, 5)));
        QApplication::sendEvent(button, &event);
    }

    void leave() {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(button, &event);
    }

    // The box around the dark (text) pixels inside the frame, from a row on.
    std::optional<QRect> text(int fromRow = 1) const {
        const QImage image = button->grab().toImage();
        std::optional<QRect> box;
        for (int y = fromRow; y < image.height() - 1; ++y) {
            for (int x = 1; x < image.width() - 1; ++x) {
                if (image.pixelColor(x, y).lightness() < 80) {
                    box = box ? box->united(QRect(x, y, 1, 1)) : QRect(x, y, 1, 1);
                }
            }
        }
        return box;
    }

    QWidget window;
    PictureButton* button = nullptr;
};

TEST_F(PictureButtonTest, PaintsPictureAndColourOfItsStateInsideTheFrameOnTheSpot) {
    PaintCounter counter(button);
    enter();
    EXPECT_EQ(counter.paints, 1) << "entering repaints at once";
    EXPECT_EQ(pixel(1, 1), kGreenPixel);
    EXPECT_EQ(pixel(158, 58), kGreenPixel);
    EXPECT_EQ(pixel(0, 30), QColor(Qt::black)) << "the panel's frame stays";
    EXPECT_EQ(pixel(159, 30), QColor(Qt::black));
    EXPECT_EQ(pixel(3, 3), QColor(Qt::blue));
    EXPECT_EQ(pixel(22, 22), QColor(Qt::blue));
    EXPECT_EQ(pixel(23, 23), kGreenPixel) << "pictures are drawn unscaled";

    const int paintsBeforeLeaving = counter.paints;
    leave();
    EXPECT_EQ(counter.paints, paintsBeforeLeaving + 1);
    EXPECT_EQ(pixel(80, 30), kWhitePixel);
    EXPECT_EQ(pixel(10, 10), QColor(Qt::red));

    button->setHoverColour(kWhite);
    enter();
    EXPECT_EQ(pixel(80, 30), kWhitePixel) << "equal colours: the hover is the picture swap alone";
    EXPECT_EQ(pixel(10, 10), QColor(Qt::blue));
}

TEST_F(PictureButtonTest, AHoverColourNeverSetFillsBlack) {
    PictureButton fresh(&window);
    fresh.setLeaveColour(kWhite);
    QEnterEvent event(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(&fresh, &event);
    EXPECT_EQ(fresh.grab().toImage().pixelColor(40, 11), QColor(Qt::black));
}

TEST_F(PictureButtonTest, WritersRepaintAtOnceOrWaitForTheNextPaintAsEachShould) {
    enter();
    PaintCounter counter(button);
    button->setHoverPicture(solid({20, 20}, Qt::magenta));
    button->setHoverColour(kBlack);
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    EXPECT_EQ(pixel(10, 10), QColor(Qt::magenta)) << "the new picture at the next paint";
    EXPECT_EQ(pixel(80, 30), kGreenPixel);

    counter.paints = 0;
    button->setPicture(solid({20, 20}, Qt::yellow));
    EXPECT_EQ(counter.paints, 1);
    EXPECT_EQ(pixel(10, 10), QColor(Qt::yellow))
        << "the normal picture while the pointer is over it";
    EXPECT_EQ(pixel(80, 30), kGreenPixel) << "on the hover colour";
    leave();
    EXPECT_EQ(pixel(80, 30), kWhitePixel);

    counter.paints = 0;
    button->setWords({QStringLiteral("Listar")});
    button->setLeaveColour(kLightGrey);
    EXPECT_EQ(counter.paints, 2);
    EXPECT_EQ(pixel(80, 50), QColor(210, 210, 210));

    button->hide();
    button->setLeaveColour(kWhite);
    EXPECT_TRUE(button->isVisible()) << "a hidden button shows when its normal colour is written";
}

TEST_F(PictureButtonTest, DrawsWordsBesideTheNormalPictureOneTextLineApart) {
    const int lineHeight = QFontMetrics(button->font()).height();
    button->setPicture(QPixmap());
    button->setWords({QStringLiteral("D"), QStringLiteral("D")});
    const auto first = text();
    ASSERT_TRUE(first);
    EXPECT_GE(first->left(), 10);
    EXPECT_LE(first->left(), 12);
    EXPECT_GE(first->top(), 5);
    EXPECT_LT(first->top(), 5 + lineHeight);
    const auto second = text(5 + lineHeight);
    ASSERT_TRUE(second);
    EXPECT_EQ(second->top() - first->top(), lineHeight);

    button->setPicture(solid({30, 20}, Qt::red));
    button->setHoverPicture(solid({50, 20}, Qt::red));
    EXPECT_EQ(text()->left(), first->left() + 30);
    enter();
    EXPECT_EQ(text()->left(), first->left() + 30)
        << "the normal picture places the words, also hovered";
}

TEST_F(PictureButtonTest, TheCaptionStaysEmpty) {
    const QImage plain = button->grab().toImage();
    button->setCaption(QStringLiteral("Botão"));
    EXPECT_EQ(button->grab().toImage(), plain);
    EXPECT_TRUE(button->caption().isEmpty());
}

TEST_F(PictureButtonTest, EveryPressBeepsAndALeftClickInsideFiresClicked) {
    int presses = 0;
    button->setMousePressHandler([&] { ++presses; });
    QSignalSpy clicked(button, &PictureButton::clicked);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(20, 20));
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(20, 20));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(400, 20));
    EXPECT_EQ(presses, 3);
    EXPECT_EQ(clicked.count(), 1) << "only the left click released inside";
}

TEST_F(PictureButtonTest, ScreenReadersHearAButtonByItsHintOrItsWords) {
    button->setWords({QStringLiteral("Listar lumbra da seção")});
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Listar lumbra da seção"));
    button->setToolTip(QStringLiteral("Buscar Resultados"));
    EXPECT_EQ(accessible->text(QAccessible::Name), QStringLiteral("Buscar Resultados"));

    QSignalSpy clicked(button, &PictureButton::clicked);
    ASSERT_NE(accessible->actionInterface(), nullptr);
    accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicked.count(), 1);
}

TEST_F(PictureButtonTest, TabReachesItAndSpaceOrEnterClickItBeepIncludedWithARingShown) {
    auto* before = new QLineEdit(&window);
    before->setGeometry(200, 10, 80, 20);
    before->show();
    int beeps = 0;
    button->setMousePressHandler([&beeps] { ++beeps; });
    QSignalSpy clicked(button, &PictureButton::clicked);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    const QImage withoutFocus = button->grab().toImage();

    QTest::keyClick(before, Qt::Key_Tab);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_NE(button->grab().toImage(), withoutFocus);
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(button, Qt::Key_A);
    QTest::keyClick(button, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(clicked.count(), 3);
    EXPECT_EQ(beeps, 3);

    // The pointer's click leaves the focus where it was.
    before->setFocus();
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(clicked.count(), 4);
    EXPECT_TRUE(before->hasFocus());
    EXPECT_EQ(button->grab().toImage(), withoutFocus);
}

TEST(KeyboardReachTest, TabSkipsWhatIsHiddenCoveredOrDisabled) {
    QWidget window;
    window.resize(300, 100);
    const auto field = [&window](const char* name, int left) {
        auto* edit = new QLineEdit(&window);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setGeometry(left, 10, 50, 20);
        return edit;
    };
    QLineEdit* first = field("first", 0);
    QLineEdit* covered = field("covered", 60);
    QLineEdit* disabled = field("disabled", 120);
    QLineEdit* hidden = field("hidden", 180);
    QLineEdit* last = field("last", 240);
    disabled->setEnabled(false);
    hidden->hide();
    auto* cover = new QLabel(&window);
    cover->setGeometry(55, 0, 60, 40);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));

    EXPECT_TRUE(KeyboardReach::isInSight(first));
    EXPECT_FALSE(KeyboardReach::isInSight(covered));
    EXPECT_EQ(KeyboardReach::firstInSight(&window), first);
    first->setFocus();
    EXPECT_TRUE(KeyboardReach::focusNext(&window, true));
    EXPECT_TRUE(last->hasFocus());
    EXPECT_TRUE(KeyboardReach::focusNext(&window, true));
    EXPECT_TRUE(first->hasFocus());
    EXPECT_TRUE(KeyboardReach::focusNext(&window, false));
    EXPECT_TRUE(last->hasFocus());
    cover->hide();
    EXPECT_TRUE(KeyboardReach::focusNext(&window, false));
    EXPECT_TRUE(covered->hasFocus());
}

}  // namespace
}  // namespace corvanel
