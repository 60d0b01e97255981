// The windows lay pictures out by the sizes in pictures.txt; a picture of
// another size, an unreadable file or a run that draws differently each time
// would show up as misplaced artwork or a resource that changes every build.
#include <gtest/gtest.h>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <stdexcept>

#include "picture_list.h"

namespace {

using artwork::Picture;

std::vector<Picture> listed() {
    return artwork::readPictureList(QStringLiteral(CORVANEL_PICTURE_LIST));
}

TEST(Artwork, EveryPictureIsWrittenReadableAtItsListedSize) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const Picture& picture : listed()) {
        artwork::save(picture, artwork::render(picture), folder.path());
        const QString path = QDir(folder.path()).filePath(picture.file);
        const QByteArray expected(picture.file.endsWith(QLatin1String(".jpg")) ? "jpeg" : "png");
        EXPECT_EQ(QImageReader::imageFormat(path), expected) << picture.file.toStdString();
        QImageReader reader(path);
        const QImage back = reader.read();
        ASSERT_FALSE(back.isNull())
            << picture.file.toStdString() << ": " << reader.errorString().toStdString();
        EXPECT_EQ(back.size(), picture.size) << picture.file.toStdString();
        EXPECT_FALSE(back.hasAlphaChannel()) << picture.file.toStdString();
    }
}

TEST(Artwork, DrawingIsRepeatableAndNeverBlank) {
    for (const Picture& picture : listed()) {
        const QImage first = artwork::render(picture);
        EXPECT_EQ(first, artwork::render(picture)) << picture.file.toStdString();
        bool varied = false;
        const QRgb corner = first.pixel(0, 0);
        for (int y = 0; y < first.height() && !varied; ++y) {
            for (int x = 0; x < first.width() && !varied; ++x) {
                varied = first.pixel(x, y) != corner;
            }
        }
        EXPECT_TRUE(varied) << picture.file.toStdString() << " is one flat colour";
    }
}

TEST(Artwork, AnimationHasEveryFrameOfTheClip) {
    int frames = 0;
    for (const Picture& picture : listed()) {
        if (picture.file.startsWith(QLatin1String("find-folder-"))) {
            ++frames;
            EXPECT_EQ(picture.file,
                      QStringLiteral("find-folder-%1.png").arg(frames, 2, 10, QLatin1Char('0')));
        }
    }
    EXPECT_EQ(frames, 29);
}

TEST(Artwork, ListMistakesNameTheirLine) {
    const auto failure = [](const char* text) {
        try {
            artwork::parsePictureList(QString::fromUtf8(text));
        } catch (const std::runtime_error& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    EXPECT_EQ(failure("a.jpg 10 10 busy\na.jpg 10 10 busy\n"),
              "pictures line 2: \"a.jpg\" is listed twice");
    EXPECT_EQ(failure("# c\na.jpg 10 10 nobody\n"), "pictures line 2: no painter \"nobody\"");
    EXPECT_EQ(failure("a.gif 10 10 busy\n"), "pictures line 1: bad file name \"a.gif\"");
    EXPECT_EQ(failure("a.jpg 10 0 busy\n"), "pictures line 1: bad size \"0\"");
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
