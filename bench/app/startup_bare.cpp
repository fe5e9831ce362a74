// The floor: a Qt program that shows one empty widget.
#include "FirstPaint.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget widget;
    FirstPaint painted(&widget);
    widget.show();
    return app.exec();
}
