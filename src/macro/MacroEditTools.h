#pragma once

#include "macro/MacroKeyChooser.h"

#include <QObject>
#include <QPoint>

namespace Ui {
class MacroDialog;
}
class MacroStore;
class QAction;
class QMenu;

// The hand-editing tools of the macro page: the buttons' keys, tips and enabled states, the copy
// and export menus, and the menu of a row of the list. They say what the user chose; the page
// does it.
class MacroEditTools final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroEditTools)

public:
    MacroEditTools(Ui::MacroDialog* ui, const MacroStore* store, QWidget* page);

    // The page's shortcuts, with its undo and redo, listed on the help page.
    void AddShortcuts(QWidget* page, const QAction* undo, const QAction* redo);
    // Enables what the shown macro and its chosen row allow (row -1: none chosen).
    void Update(int macro, int row);
    // The menu of a row of the shown macro, at the mouse.
    void ShowRowMenu(int macro, int row, QWidget* parent);

signals:
    void CopyChosen(int target);
    void ExportChosen(bool all);
    // The row menu: change a delay, delete a key row (the choice goes), insert, move.
    void ModifyChosen();
    void RemoveChosen();
    void InsertKeyChosen(MacroKeyChooser::Kind kind);
    void InsertDelayChosen();
    void MoveChosen(int step);
    // The row menu's entry for the Delete key: the row after it is chosen next.
    void DeleteChosen();

private:
    void FillCopyMenu();

    Ui::MacroDialog* ui;
    const MacroStore* m_store;
    QMenu* m_copyMenu;
    QMenu* m_exportMenu;
    int m_shown = 0;
};
