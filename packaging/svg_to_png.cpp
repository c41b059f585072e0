// Renders the application icon's SVG into the PNG sizes of the desktop icon theme, at build time,
// so that the one SVG in res/ stays the only drawing of the icon.
// Usage: quenmar-svg-to-png INPUT.svg SIZE OUTPUT.png

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s INPUT.svg SIZE OUTPUT.png\n", argv[0]);
        return 64;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    const int nSize = QString::fromLatin1(argv[2]).toInt();
    if (!renderer.isValid() || nSize <= 0) {
        std::fprintf(stderr, "%s: cannot render %s at %s pixels\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    QImage image(nSize, nSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[3]);
        return 1;
    }
    return 0;
}
