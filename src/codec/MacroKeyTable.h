#pragma once

#include "device/DeviceTypes.h"

#include <QHash>
#include <QString>
#include <QVector>

// The keys a macro can hold: Windows virtual-key code, the HID usage the keyboard plays, and the
// name the macro list shows. Built once from one list of 103 keys; a later entry with the same
// code replaces an earlier one, so 0x0D (Enter and keypad Enter alike) plays usage 0x28.
class MacroKeyTable final
{
    Q_DISABLE_COPY_MOVE(MacroKeyTable)

public:
    struct Entry
    {
        tdu2 vk;
        tdu1 hid;
        QString name;
    };

    static const MacroKeyTable& Instance();

    // The list in its order, duplicates included.
    const QVector<Entry>& Entries() const
    {
        return m_entries;
    }
    // Missing keys give an empty name or 0.
    QString KeyName(tdu2 vk) const;
    tdu1 VkToHid(tdu2 vk) const;
    tdu2 HidToVk(tdu1 hid) const;
    // The keyboard can play the key.
    bool Contains(tdu2 vk) const;
    // A name for keys outside the list, so that a recorded row is never blank: the key's usual
    // name when it is a common one, its code otherwise.
    static QString ForeignKeyName(tdu2 vk);

private:
    MacroKeyTable();

    QVector<Entry> m_entries;
    QHash<tdu2, QString> m_keyNames;
    QHash<tdu2, tdu1> m_vkToHid;
    QHash<tdu1, tdu2> m_hidToVk;
};
