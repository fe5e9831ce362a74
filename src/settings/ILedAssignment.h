#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QByteArray>
#include <QObject>

class KeyPannel;
class QButtonGroup;
class QWidget;

// The indicator LEDs of the settings page: one function per key that has an LED. A key is
// chosen on the indicator picture, then a function button gives it its function; the picture
// shows each LED's function on its key.
class ILedAssignment final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ILedAssignment)

public:
    // functions holds the function buttons, found by their object names.
    ILedAssignment(KeyPannel* pannel, QWidget* functions, QObject* parent = nullptr);

    // The layout's function for a key with an LED; other keys keep none.
    void SetDefault(tdu1 row, tdu1 col, tdu1 code);
    tdu1 Code(tdu1 row, tdu1 col) const;
    // Once the picture is built: marks the keys with an LED and follows clicks on them.
    void Init();
    void Refresh();

    // The whole grid in use, row by row, whether or not a key or an LED sits at a position.
    QByteArray Block() const;
    // The keyboard's assignment, as Block() gives it; a block of another size changes nothing.
    void SetBlock(const QByteArray& block);

private:
    void SetupFunctionButtons(QWidget* functions);
    void MarkLedKeys();
    void Select(tdu1 row, tdu1 col);
    void Assign(int code);

    KeyPannel* m_pannel;
    QButtonGroup* m_functions;
    tdu1 m_selRow = 0xFF;
    tdu1 m_selCol = 0xFF;
    tdu1 m_map[Protocol::kMaxRows][Protocol::kMaxCols] = {};
};
