#include "PictureButtonConfigurations.h"

#include <QImage>
#include <QSet>
#include <QWidget>

#include <gtest/gtest.h>

#include <stdexcept>

namespace corvanel {
namespace {

TEST(PictureButtonConfigurations, EveryButtonIsSetUpWithItsPicturesAndAName) {
    QWidget window;
    QSet<QString> seen;
    for (const PictureButtonConfiguration& configuration : pictureButtonConfigurations()) {
        const QString label = configuration.window + u'.' + configuration.name;
        SCOPED_TRACE(label.toStdString());
        EXPECT_FALSE(seen.contains(label));
        seen.insert(label);
        EXPECT_EQ(&pictureButtonConfiguration(configuration.window, configuration.name),
                  &configuration);

        PictureButton button(&window);
        button.hide();
        applyConfiguration(button, configuration);
        EXPECT_EQ(button.size(), configuration.size);
        EXPECT_EQ(button.currentColour(), configuration.leaveColour);
        EXPECT_FALSE(button.isHidden()) << "loading a layout shows its buttons";
        EXPECT_FALSE(button.spokenName().isEmpty());
        if (configuration.picture.isEmpty()) {
            EXPECT_FALSE(button.words().isEmpty()) << "a button shows a picture or words";
            continue;
        }
        const QImage normal = button.picture().toImage();
        const QImage hover = button.hoverPicture().toImage();
        ASSERT_FALSE(normal.isNull());
        EXPECT_NE(normal, hover);
        EXPECT_EQ(hover.size(), normal.size());
        EXPECT_LE(normal.width(), configuration.size.width());
        EXPECT_LE(normal.height(), configuration.size.height());
    }
    EXPECT_THROW(pictureButtonConfiguration(u"TForm1", u"Tavik99"), std::out_of_range);
}

}  // namespace
}  // namespace corvanel
