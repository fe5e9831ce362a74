#pragma once

#include "device/DeviceTypes.h"
#include "layout/LayoutKey.h"

#include <QString>
#include <QVector>

// What a layout file says about a keyboard model: its key grid, the picture's sizes, the
// model's wireless family and firmware location. ok is false when the file was not usable;
// everything else is then empty.
struct LayoutDescription
{
    bool ok = false;
    tdu1 rownum = 0;
    tdu1 colnum = 0;
    tdu1 cappix = 0;
    tdu1 marpix = 0;
    tdu1 fontsize = 0;
    tdu2 pannelwidth = 0;
    tdu2 pannelheight = 0;
    tdu1 keyboardtype = 0;
    QString firmware;
    QVector<tdu2> rowgap;
    // In file order; a later entry for the same cell overrides an earlier one.
    QVector<LayoutKey> keys;
};
