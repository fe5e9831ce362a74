#pragma once

#include <QList>
#include <QMessageBox>
#include <QPair>
#include <QString>

// Thin seam over modal message boxes: tests queue the next answer and read what was shown,
// users get the real box, whose text is always plain text.
class MessageBox final
{
public:
    // Captions that replace the standard ones of some buttons, for answers a standard caption
    // does not name.
    using ButtonTexts = QList<QPair<QMessageBox::StandardButton, QString>>;

    static QMessageBox::StandardButton Information(QWidget* parent, const QString& title, const QString& text);
    // Something went wrong; the box shows the error sign.
    static QMessageBox::StandardButton Critical(QWidget* parent,
        const QString& title,
        const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok);
    // A question with the given buttons; defaultButton is what Enter chooses.
    static QMessageBox::StandardButton Question(QWidget* parent,
        const QString& title,
        const QString& text,
        QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
        const ButtonTexts& buttonTexts = {});

    // A question whose answer can cost the user something (data on the keyboard, edits).
    static QMessageBox::StandardButton Warning(QWidget* parent,
        const QString& title,
        const QString& text,
        QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
        const ButtonTexts& buttonTexts = {});

    // The next box returns this button at once instead of opening.
    static void SetNextAnswer(QMessageBox::StandardButton button);
    // Title and text of the last box shown or answered; cleared by ClearLast().
    static QString LastTitle();
    static QString LastText();
    static void ClearLast();

private:
    static QMessageBox::StandardButton Show(QMessageBox::Icon icon,
        QWidget* parent,
        const QString& title,
        const QString& text,
        QMessageBox::StandardButtons buttons,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
        const ButtonTexts& buttonTexts = {});
};
