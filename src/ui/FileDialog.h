#pragma once

#include <QString>

#include <functional>

class QWidget;

// Thin seam over the standard file dialogs: tests queue the next answer, users get the dialog.
class FileDialog final
{
public:
    static QString GetSaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
    static QString GetOpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter);
    // Where the dialogs open: the desktop, else the documents, else the home folder, with a
    // trailing "/" (empty when none exists).
    static QString StartFolder();

    // The next dialog returns fileName at once (an empty name acts as a cancelled dialog).
    static void SetNextFileName(const QString& fileName);
    // The next dialog runs this before it returns, as events are handled while a dialog is open.
    static void SetWhileOpen(std::function<void()> action);

    // Caption, folder and filter of the last dialog asked for, answered or shown.
    static QString LastCaption();
    static QString LastDir();
    static QString LastFilter();

private:
    static bool TakeNextAnswer(const QString& caption, const QString& dir, const QString& filter, QString* fileName);
};
