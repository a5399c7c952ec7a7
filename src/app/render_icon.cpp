// render_icon: draws the program's SVG icon as a square PNG of one size. The
// build runs it for the window icon and the sizes installed in the icon theme,
// so neither needs SVG support at run time.
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: render_icon INPUT.svg OUTPUT.png SIZE\n");
        return 2;
    }
    const QString input = QString::fromLocal8Bit(argv[1]);
    const QString output = QString::fromLocal8Bit(argv[2]);
    bool isNumber = false;
    const int size = QString::fromLatin1(argv[3]).toInt(&isNumber);
    if (!isNumber || size < 1 || size > 1024) {
        std::fprintf(stderr, "render_icon: bad size '%s'\n", argv[3]);
        return 2;
    }
    QSvgRenderer renderer(input);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "render_icon: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "render_icon: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
