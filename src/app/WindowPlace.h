#pragma once

#include <QSize>

class QWidget;

// Where the main window stands and how its pages fit it: the size and place the user gave it are
// remembered between runs (under the application's names, which the program sets at start-up),
// a new window takes the size the device index asks, and nothing exceeds the screen it is on.
class WindowPlace final
{
public:
    WindowPlace() = delete;

    // Size and place: as remembered, else the asked size centred, never beyond the screen.
    static void Place(QWidget* window, QSize asked);
    // Keeps the window's size and place for the next start.
    static void Remember(const QWidget* window);
    // Puts page into container inside a scroll area, so that a window smaller than the page
    // scrolls it instead of cutting it off.
    static void ScrollPage(QWidget* container, QWidget* page);
};
