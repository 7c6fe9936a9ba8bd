// The least a Qt Widgets program does to show a window: one empty window with the given
// title and size, as the yardstick for Seraphel's own start-up in bench/startup.sh.
// Usage: minimal_window <title> <width> <height>
#include <QApplication>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <title> <width> <height>\n", argv[0]);
        return 2;
    }
    QWidget window;
    window.setWindowTitle(QString::fromLocal8Bit(argv[1]));
    window.setFixedSize(QString::fromLatin1(argv[2]).toInt(), QString::fromLatin1(argv[3]).toInt());
    window.show();
    return QApplication::exec();
}
