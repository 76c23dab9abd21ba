// Grabs one window of the X display, for the session test: prints a hash of
// its pixels (which changes when the window scrolls) and, given a file name,
// saves it as PNG for a person to look at.
//   window_grab WINDOW_ID [FILE.png]
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    QGuiApplication application(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s WINDOW_ID [FILE.png]\n", argv[0]);
        return 2;
    }
    const QImage image =
        QGuiApplication::primaryScreen()->grabWindow(std::strtoul(argv[1], nullptr, 0)).toImage();
    if (image.isNull()) return 1;
    if (argc == 3 && !image.save(argv[2])) return 1;
    std::printf("%zx\n", qHash(QByteArrayView(image.constBits(), image.sizeInBytes())));
    return 0;
}
