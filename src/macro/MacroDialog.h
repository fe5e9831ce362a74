#pragma once

#include "device/DeviceTypes.h"

#include <QWidget>

// The "Macro Setting" page: keeps the keyboard's macros and exchanges them with the keyboard.
class MacroDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroDialog)

public:
    explicit MacroDialog(QWidget* parent = nullptr);

    // Reply entry: the page acts on the macro commands only.
    void RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len);

signals:
    void SendCmd(tdu1 id, tdu1* data, tdu2 length);
    void ResultShow(tdu1 status, QString text);
};
