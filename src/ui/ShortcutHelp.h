#pragma once

#include <QDialog>

// The list of keyboard shortcuts of a window and of its pages, opened with F1.
class ShortcutHelp final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ShortcutHelp)

public:
    explicit ShortcutHelp(QWidget* window);

    // The window's list, shown beside it; one at a time.
    static ShortcutHelp* Open(QWidget* window);
    // The list as the page shows it.
    static QString Html(const QWidget* window);
};
