// corvanel-icon: draws the program's icon from its SVG at the sizes the
// desktop's icon theme wants, so that the pictures never drift from the drawing.
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    if (arguments.size() < 3) {
        err << "Uso: corvanel-icon DESENHO.svg PASTA TAMANHO...\n"
               "Grava PASTA/corvanel-TAMANHO.png para cada tamanho, em pixels.\n";
        return 2;
    }
    QSvgRenderer drawing(arguments.at(0));
    if (!drawing.isValid()) {
        err << "corvanel-icon: \"" << arguments.at(0) << "\" não é um desenho SVG legível\n";
        return 1;
    }
    const QDir folder(arguments.at(1));
    if (!folder.mkpath(QStringLiteral("."))) {
        err << "corvanel-icon: não foi possível criar a pasta \"" << folder.path() << "\"\n";
        return 1;
    }
    for (const QString& sizeText : arguments.mid(2)) {
        bool number = false;
        const int size = sizeText.toInt(&number);
        if (!number || size <= 0 || size > 4096) {
            err << "corvanel-icon: tamanho inválido \"" << sizeText << "\"\n";
            return 2;
        }
        QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
        picture.fill(Qt::transparent);
        {
            QPainter painter(&picture);
            painter.setRenderHint(QPainter::Antialiasing);
            drawing.render(&painter, QRectF(0, 0, size, size));
        }
        const QString path = folder.filePath(QStringLiteral("corvanel-%1.png").arg(size));
        if (!picture.save(path, "PNG")) {
            err << "corvanel-icon: não foi possível gravar \"" << path << "\"\n";
            return 1;
        }
    }
    return 0;
}
