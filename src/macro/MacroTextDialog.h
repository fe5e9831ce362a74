#pragma once

#include "codec/MacroAction.h"

#include <QDialog>
#include <QVector>

namespace Ui {
class MacroTextDialog;
}

// Turns a text the user types into key taps for the macro page to insert, with an optional pause
// between keys. Says how many actions the text takes, and refuses a text with characters no key
// types or one that does not fit into the room the macro has left.
class MacroTextDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroTextDialog)

public:
    // macroName names the macro the text goes into; room is how many actions it can still take.
    MacroTextDialog(const QString& macroName, int room, QWidget* parent = nullptr);
    ~MacroTextDialog() override;

    // The actions of the text as it stands; empty while the text cannot be inserted.
    QVector<MacroAction> Actions() const;

private slots:
    void on_txtMacroText_textChanged();
    void on_ckbTextDelay_toggled(bool checked);
    void on_spbTextDelay_valueChanged(int value);
    void on_btnTextInsert_clicked();
    void on_btnTextCancel_clicked();

private:
    void Convert();

    Ui::MacroTextDialog* ui;
    QString m_macroName;
    int m_room = 0;
    QVector<MacroAction> m_actions;
};
