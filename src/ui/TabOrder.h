#pragma once

class QWidget;

// Tab order of a window built from forms and from widgets added later: Tab follows the
// widgets in the order the forms and pages place them, from the first to the last.
class TabOrder final
{
public:
    // Orders every widget under window that Tab can reach, depth first in the order the widgets
    // were placed, so that Tab visits a container's widgets before the next container's.
    static void FollowPlacement(QWidget* window);
    // Scrolls every scroll area around the focused widget of window so that the focus mark is
    // in sight, also when Tab comes into the area from outside.
    static void KeepFocusInView(QWidget* window);
};
