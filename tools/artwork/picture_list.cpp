#include "picture_list.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <stdexcept>

namespace artwork {

namespace {

// Large enough for the widest banner; a typo such as 6300 is caught.
constexpr int kLargestSide = 1000;
constexpr int kJpegQuality = 92;

[[noreturn]] void fail(int line, const QString& message) {
    throw std::runtime_error(
        QStringLiteral("pictures line %1: %2").arg(line).arg(message).toStdString());
}

int side(const QString& text, int line) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > kLargestSide) {
        fail(line, QStringLiteral("bad size \"%1\"").arg(text));
    }
    return value;
}

}  // namespace

std::vector<Picture> parsePictureList(const QString& text) {
    static const QRegularExpression fileName(QStringLiteral("^[a-z0-9][a-z0-9-]*\\.(jpg|png)$"));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    std::vector<Picture> pictures;
    QSet<QString> seen;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) {
            continue;
        }
        const QStringList columns = line.split(blanks, Qt::SkipEmptyParts);
        if (columns.size() < 4) {
            fail(lineNo, QStringLiteral("expected: file width height painter [words]"));
        }
        Picture picture;
        picture.line = lineNo;
        picture.file = columns.at(0);
        if (!fileName.match(picture.file).hasMatch()) {
            fail(lineNo, QStringLiteral("bad file name \"%1\"").arg(picture.file));
        }
        if (seen.contains(picture.file)) {
            fail(lineNo, QStringLiteral("\"%1\" is listed twice").arg(picture.file));
        }
        seen.insert(picture.file);
        picture.size = QSize(side(columns.at(1), lineNo), side(columns.at(2), lineNo));
        picture.painterName = columns.at(3);
        picture.painter = painterNamed(picture.painterName);
        if (picture.painter == nullptr) {
            fail(lineNo, QStringLiteral("no painter \"%1\"").arg(picture.painterName));
        }
        picture.words = columns.mid(4);
        pictures.push_back(picture);
    }
    if (pictures.empty()) {
        throw std::runtime_error("the picture list is empty");
    }
    return pictures;
}

std::vector<Picture> readPictureList(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw std::runtime_error(
            QStringLiteral("cannot read %1: %2").arg(path, file.errorString()).toStdString());
    }
    return parsePictureList(QString::fromUtf8(file.readAll()));
}

QImage render(const Picture& picture, Scheme scheme) {
    const SchemeInUse inks(scheme);
    QImage image(picture.size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                     QPainter::SmoothPixmapTransform);
    try {
        picture.painter(p, picture.size, picture.words);
    } catch (const std::exception& e) {
        fail(picture.line, QString::fromUtf8(e.what()));
    }
    return image;
}

void save(const Picture& picture, const QImage& image, const QString& folder) {
    if (image.size() != picture.size) {
        fail(picture.line, QStringLiteral("drawn at the wrong size"));
    }
    const QString path = QDir(folder).filePath(picture.file);
    QImageWriter writer(path);
    if (picture.file.endsWith(QLatin1String(".jpg"))) {
        writer.setFormat("jpeg");
        writer.setQuality(kJpegQuality);
    } else {
        writer.setFormat("png");
    }
    // 24-bit colour, no alpha: the windows draw these as plain bitmaps.
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888))) {
        fail(picture.line, QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
    }
}

}  // namespace artwork
