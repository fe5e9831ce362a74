#include "ui/MessageBox.h"

#include <QAbstractButton>

namespace {
struct BoxSeam
{
    bool hasAnswer = false;
    QMessageBox::StandardButton answer = QMessageBox::NoButton;
    QString title;
    QString text;
};

BoxSeam& Seam()
{
    static BoxSeam seam;
    return seam;
}
} // namespace

QMessageBox::StandardButton MessageBox::Show(QMessageBox::Icon icon,
    QWidget* parent,
    const QString& title,
    const QString& text,
    QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton,
    const ButtonTexts& buttonTexts)
{
    BoxSeam& seam = Seam();
    seam.title = title;
    seam.text = text;
    if (seam.hasAnswer) {
        seam.hasAnswer = false;
        return seam.answer;
    }
    // The box belongs to the page's window, not the page: a page's style sheet is made for its
    // dark bars and would turn the box's text unreadable.
    QMessageBox box(icon, title, text, buttons, parent ? parent->window() : nullptr);
    // Texts carry names and messages from the device index and from servers: shown as they are,
    // never as markup with links to follow.
    box.setTextFormat(Qt::PlainText);
    if (defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(defaultButton);
    for (const auto& caption : buttonTexts) {
        if (QAbstractButton* button = box.button(caption.first))
            button->setText(caption.second);
    }
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QMessageBox::StandardButton MessageBox::Information(QWidget* parent, const QString& title, const QString& text)
{
    return Show(QMessageBox::Information, parent, title, text, QMessageBox::Ok);
}

QMessageBox::StandardButton MessageBox::Critical(
    QWidget* parent, const QString& title, const QString& text, QMessageBox::StandardButtons buttons)
{
    return Show(QMessageBox::Critical, parent, title, text, buttons);
}

QMessageBox::StandardButton MessageBox::Question(QWidget* parent,
    const QString& title,
    const QString& text,
    QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton,
    const ButtonTexts& buttonTexts)
{
    return Show(QMessageBox::Question, parent, title, text, buttons, defaultButton, buttonTexts);
}

QMessageBox::StandardButton MessageBox::Warning(QWidget* parent,
    const QString& title,
    const QString& text,
    QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton defaultButton,
    const ButtonTexts& buttonTexts)
{
    return Show(QMessageBox::Warning, parent, title, text, buttons, defaultButton, buttonTexts);
}

void MessageBox::SetNextAnswer(QMessageBox::StandardButton button)
{
    Seam().hasAnswer = true;
    Seam().answer = button;
}

QString MessageBox::LastTitle()
{
    return Seam().title;
}

QString MessageBox::LastText()
{
    return Seam().text;
}

void MessageBox::ClearLast()
{
    Seam().title.clear();
    Seam().text.clear();
}
