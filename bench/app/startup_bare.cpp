// The floor: a Qt program that shows one empty widget.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget widget;
    widget.show();
    QTimer::singleShot(0, [] {
        std::puts("shown");
        std::fflush(stdout);
        QCoreApplication::quit();
    });
    return app.exec();
}
