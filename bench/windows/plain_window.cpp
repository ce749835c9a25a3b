// The start-up baseline: the least a Qt program does to show a window of the main window's
// size.

#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QWidget window;
    window.resize(483, 210);
    window.show();
    return application.exec();
}
