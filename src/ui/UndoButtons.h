#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QWidget>

#include <functional>

// Undo and redo on a page: the buttons follow the steps (enabled while there is one, the tool tip
// naming it and its keys), and Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y act while the page is shown.
class UndoButtons final
{
    Q_DECLARE_TR_FUNCTIONS(UndoButtons)

public:
    struct Actions
    {
        QAction* undo;
        QAction* redo;
    };

    // steps is a QUndoStack or a QUndoGroup.
    template <typename Steps>
    static Actions Attach(QWidget* page,
        Steps* steps,
        QAbstractButton* undoButton,
        QAbstractButton* redoButton,
        const std::function<void()>& undo,
        const std::function<void()>& redo)
    {
        undoButton->setEnabled(false);
        redoButton->setEnabled(false);
        QObject::connect(steps, &Steps::canUndoChanged, undoButton, &QWidget::setEnabled);
        QObject::connect(steps, &Steps::canRedoChanged, redoButton, &QWidget::setEnabled);
        QObject::connect(steps, &Steps::undoTextChanged, undoButton,
            [undoButton](const QString& text) { undoButton->setToolTip(UndoTip(text)); });
        QObject::connect(steps, &Steps::redoTextChanged, redoButton,
            [redoButton](const QString& text) { redoButton->setToolTip(RedoTip(text)); });
        undoButton->setToolTip(UndoTip(QString()));
        redoButton->setToolTip(RedoTip(QString()));
        Actions actions {new QAction(page), new QAction(page)};
        actions.undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
        actions.redo->setShortcuts(
            {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
        QObject::connect(actions.undo, &QAction::triggered, page, undo);
        QObject::connect(actions.redo, &QAction::triggered, page, redo);
        page->addActions({actions.undo, actions.redo});
        return actions;
    }

private:
    static QString UndoTip(const QString& step);
    static QString RedoTip(const QString& step);
};
