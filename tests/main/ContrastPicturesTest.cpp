#include "Artwork.h"
#include "BusyWindow.h"
#include "ContrastSetting.h"
#include "CorvanelApplication.h"
#include "DocumentViewer.h"
#include "Look.h"
#include "MainWindow.h"
#include "PictureButton.h"
#include "PictureButtonConfigurations.h"
#include "RecordingPrompts.h"
#include "ResultListWindow.h"
#include "TestCollection.h"
#include "UserSettings.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "QtPrinters.h"

#include <gtest/gtest.h>

namespace corvanel {
namespace {

using testing::q;

QImage artworkImage(const QString& file, Artwork::Set set) {
    return QImage(Artwork::path(file, set)).convertToFormat(QImage::Format_RGB32);
}

QImage shown(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Every picture of the window's labels and picture buttons is the set's
// own; returns how many were checked.
int expectPicturesOf(QWidget* window, QStringView layout, Artwork::Set set) {
    int checked = 0;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        const QString file = Artwork::shownFile(label);
        if (file.isEmpty()) {
            continue;
        }
        EXPECT_EQ(shown(label->pixmap()), artworkImage(file, set))
            << window->objectName().toStdString() << ' ' << file.toStdString();
        ++checked;
    }
    for (const PictureButtonConfiguration& configuration : pictureButtonConfigurations()) {
        if (configuration.window != layout || configuration.picture.isEmpty()) {
            continue;
        }
        const QString name = configuration.name.toString();
        for (const PictureButton* button : window->findChildren<PictureButton*>(name)) {
            EXPECT_EQ(shown(button->picture()), artworkImage(configuration.picture.toString(), set))
                << name.toStdString();
            EXPECT_EQ(shown(button->hoverPicture()),
                      artworkImage(configuration.hoverPicture.toString(), set))
                << name.toStdString();
            ++checked;
        }
    }
    return checked;
}

class ContrastPictures : public ::testing::Test {
protected:
    ContrastPictures() {
        QStandardPaths::setTestModeEnabled(true);
        UserSettings().raw().remove(QStringLiteral("aparencia"));
        corvanel.start();
    }
    ~ContrastPictures() override {
        Look::applyScheme(Look::Scheme::Design);
        UserSettings().raw().remove(QStringLiteral("aparencia"));
    }

    int expectEveryWindowIn(Artwork::Set set) {
        int checked = expectPicturesOf(corvanel.mainWindow(), u"TForm1", set);
        checked += expectPicturesOf(corvanel.resultList(), u"TTextos", set);
        checked += expectPicturesOf(corvanel.viewer(), u"TForm10", set);
        checked += expectPicturesOf(corvanel.busyScreen(), u"", set);
        return checked;
    }

    testing::RecordingPrompts prompts;
    testing::TestCollection collection{
        {testing::card(7, q("Estatuto"), q("Lei 8.069/90"), q("B"), q("B02 B06"))}};
    CorvanelApplication corvanel{collection.programFolder()};
};

TEST_F(ContrastPictures, AltoContrasteSwapsEveryPictureOfTheOpenWindowsAndBack) {
    // The two sets differ where words lie on green.
    EXPECT_NE(artworkImage(q("tab-textos-selected.png"), Artwork::Set::Design),
              artworkImage(q("tab-textos-selected.png"), Artwork::Set::HighContrast));

    const int pictures = expectEveryWindowIn(Artwork::Set::Design);
    // Tabs, their indicators, header commands, columns, captions, badges.
    EXPECT_GT(pictures, 40);

    QAction* item = corvanel.mainWindow()->findChild<QAction*>(q("AltoContraste1"));
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_EQ(Artwork::current(), Artwork::Set::HighContrast);
    EXPECT_EQ(expectEveryWindowIn(Artwork::Set::HighContrast), pictures);

    // Windows built while the look is on take its pictures from the start.
    auto busy = std::make_unique<BusyWindow>();
    auto* frame = busy->findChild<QWidget*>(q("Image1"));
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->grab().toImage().convertToFormat(QImage::Format_RGB32),
              artworkImage(q("busy.jpg"), Artwork::Set::HighContrast));

    item->trigger();
    EXPECT_EQ(expectEveryWindowIn(Artwork::Set::Design), pictures);
    EXPECT_EQ(frame->grab().toImage().convertToFormat(QImage::Format_RGB32),
              artworkImage(q("busy.jpg"), Artwork::Set::Design));
}

// GNOME's key, read through the real gsettings from a settings file of the
// test's own.
class GnomeContrast : public ::testing::Test {
protected:
    void answer(const char* highContrast) {
        const QString folder = config.filePath(q("glib-2.0/settings"));
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile keyfile(folder + q("/keyfile"));
        ASSERT_TRUE(keyfile.open(QIODevice::WriteOnly));
        keyfile.write(QByteArray("[org/gnome/desktop/a11y/interface]\nhigh-contrast=") +
                      highContrast + '\n');
    }
    void SetUp() override {
        if (QStandardPaths::findExecutable(q("gsettings")).isEmpty()) {
            GTEST_SKIP() << "gsettings is not installed";
        }
        ASSERT_TRUE(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        qputenv("GSETTINGS_BACKEND", "keyfile");
    }
    void TearDown() override {
        qunsetenv("XDG_CONFIG_HOME");
        qunsetenv("GSETTINGS_BACKEND");
        qunsetenv("GTK_THEME");
        UserSettings().raw().remove(QStringLiteral("aparencia"));
    }
    QTemporaryDir config;
};

TEST_F(GnomeContrast, TheDesktopsHighContrastKeyIsHeard) {
    answer("true");
    EXPECT_EQ(ContrastSetting::gnomeAsksForHighContrast(), std::optional<bool>(true));
    answer("false");
    EXPECT_EQ(ContrastSetting::gnomeAsksForHighContrast(), std::optional<bool>(false));
    EXPECT_FALSE(ContrastSetting::askDesktop());
    qputenv("GTK_THEME", "HighContrast");
    EXPECT_TRUE(ContrastSetting::askDesktop());
}

TEST_F(GnomeContrast, TheUsersOwnChoiceWinsOverTheDesktops) {
    QStandardPaths::setTestModeEnabled(true);
    answer("true");
    qputenv("GTK_THEME", "HighContrast");
    ContrastSetting::store(false);
    EXPECT_FALSE(ContrastSetting::highContrastAtStart());
    ContrastSetting::store(true);
    EXPECT_TRUE(ContrastSetting::highContrastAtStart());
}

}  // namespace
}  // namespace corvanel
