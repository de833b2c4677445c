// Build tool: renders the scalable icon to a square PNG of the given size
// with Qt's SVG image plugin, the one that draws the window icon at run time.
//   spatium_render_icon ICON.svg SIZE OUT.png
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: spatium_render_icon ICON.svg SIZE OUT.png\n");
        return 2;
    }
    const int size = QByteArray(argv[2]).toInt();
    QImageReader reader(QString::fromLocal8Bit(argv[1]));
    reader.setScaledSize(QSize(size, size));
    QImage image = reader.read();
    if (image.isNull() || size <= 0) {
        std::fprintf(stderr, "spatium_render_icon: cannot render %s at %d px: %s\n", argv[1], size,
                     qPrintable(reader.errorString()));
        return 1;
    }
    image = image.convertToFormat(QImage::Format_ARGB32);
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "spatium_render_icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
