#pragma once

#include <QObject>

// Enter and Return press the focused button, as Space does, in every window of the program; in
// a dialog they press that button and not the dialog's default one. A button whose "handlesEnter"
// property is true does with them what its own key handling says.
class ButtonKeys final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ButtonKeys)

public:
    // Watches the application's key presses from now on; calling it again changes nothing.
    static void Install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ButtonKeys() = default;
};
