#include "codec/MacroKeyTable.h"

#include <QCoreApplication>

namespace {
struct RawEntry
{
    tdu2 vk;
    tdu1 hid;
    const char* name;
};

// In this order; the names are UTF-8, and those marked are translated when the table is built.
const RawEntry kKeys[] = {
    {0x1B, 0x29, "Esc"},
    {0x70, 0x3A, "F1"},
    {0x71, 0x3B, "F2"},
    {0x72, 0x3C, "F3"},
    {0x73, 0x3D, "F4"},
    {0x74, 0x3E, "F5"},
    {0x75, 0x3F, "F6"},
    {0x76, 0x40, "F7"},
    {0x77, 0x41, "F8"},
    {0x78, 0x42, "F9"},
    {0x79, 0x43, "F10"},
    {0x7A, 0x44, "F11"},
    {0x7B, 0x45, "F12"},
    {0x30, 0x27, "0"},
    {0x31, 0x1E, "1"},
    {0x32, 0x1F, "2"},
    {0x33, 0x20, "3"},
    {0x34, 0x21, "4"},
    {0x35, 0x22, "5"},
    {0x36, 0x23, "6"},
    {0x37, 0x24, "7"},
    {0x38, 0x25, "8"},
    {0x39, 0x26, "9"},
    // The letters A..Z (0x41..0x5A, usages 0x04..0x1D) are inserted here.
    {0x90, 0x53, "NumLock"},
    {0x60, 0x62, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘0")},
    {0x61, 0x59, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘1")},
    {0x62, 0x5A, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘2")},
    {0x63, 0x5B, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘3")},
    {0x64, 0x5C, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘4")},
    {0x65, 0x5D, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘5")},
    {0x66, 0x5E, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘6")},
    {0x67, 0x5F, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘7")},
    {0x68, 0x60, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘8")},
    {0x69, 0x61, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘9")},
    {0x6B, 0x57, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘+")},
    {0x6D, 0x56, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘-")},
    {0x6A, 0x55, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘*")},
    {0x6F, 0x54, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘/")},
    {0x6E, 0x63, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘.")},
    {0x0D, 0x58, QT_TRANSLATE_NOOP("MacroKeyTable", "数字小键盘Enter")},
    {0x2D, 0x49, "Insert"},
    {0x2E, 0x4C, "Delete"},
    {0x20, 0x2C, "SpaceBar"},
    {0x21, 0x4B, "PageUp"},
    {0x22, 0x4E, "PageDown"},
    {0x23, 0x4D, "End"},
    {0x24, 0x4A, "Home"},
    {0x25, 0x50, QT_TRANSLATE_NOOP("MacroKeyTable", "左方向键←")},
    {0x26, 0x52, QT_TRANSLATE_NOOP("MacroKeyTable", "上方向键↑")},
    {0x27, 0x4F, QT_TRANSLATE_NOOP("MacroKeyTable", "右方向键→")},
    {0x28, 0x51, QT_TRANSLATE_NOOP("MacroKeyTable", "下方向键↓")},
    {0x09, 0x2B, "Tab"},
    {0x14, 0x39, "Caps Lock"},
    {0xA0, 0xE1, "Shift(Left)"},
    {0xA1, 0xE5, "Shift(Right)"},
    {0xA2, 0xE0, "Ctrl(Left)"},
    {0xA3, 0xE4, "Ctrl(Right)"},
    {0x5B, 0xE3, "Win(Left)"},
    {0x5C, 0xE7, "Win(Right)"},
    {0xA4, 0xE2, "Alt(Left)"},
    {0xA5, 0xE6, "Alt(Right)"},
    {0xBD, 0x2D, "-"},
    {0xBB, 0x2E, "="},
    {0x08, 0x2A, "Backspace"},
    {0xDB, 0x2F, "["},
    {0xDD, 0x30, "]"},
    {0xDC, 0x31, "\\"},
    {0xBA, 0x33, ";"},
    {0xDE, 0x34, "'"},
    {0xBC, 0x36, ","},
    {0xBE, 0x37, "."},
    {0xBF, 0x38, "/"},
    {0x0D, 0x28, "Enter"},
    {0x2C, 0x46, "Print Screen"},
    {0x91, 0x47, "Scroll Lock"},
    {0x13, 0x48, "PauseBreak"},
    {0xC0, 0x35, "`"},
};
constexpr int kDigitsEnd = 23; // index of the entry after "9"
constexpr int kLetters = 26;

// Common keys of full-size and multimedia keyboards that the keyboard cannot play.
const RawEntry kForeignKeys[] = {
    {0x5D, 0, "Menu"},
    {0xE2, 0, "<>"},
    {0x1C, 0, "Convert"},
    {0x1D, 0, "NonConvert"},
    {0x6C, 0, "Keypad ,"},
    {0xAD, 0, "Mute"},
    {0xAE, 0, "Volume Down"},
    {0xAF, 0, "Volume Up"},
    {0xB0, 0, "Next Track"},
    {0xB1, 0, "Previous Track"},
    {0xB2, 0, "Stop"},
    {0xB3, 0, "Play/Pause"},
};
constexpr tdu2 kVkF13 = 0x7C;
constexpr tdu2 kVkF24 = 0x87;
} // namespace

const MacroKeyTable& MacroKeyTable::Instance()
{
    static const MacroKeyTable table;
    return table;
}

MacroKeyTable::MacroKeyTable()
{
    const int count = int(sizeof(kKeys) / sizeof(kKeys[0]));
    for (int i = 0; i < count; i++) {
        if (i == kDigitsEnd) {
            for (int letter = 0; letter < kLetters; letter++)
                m_entries.append({tdu2('A' + letter), tdu1(letter + 4), QString(QChar('A' + letter))});
        }
        m_entries.append({kKeys[i].vk, kKeys[i].hid, QCoreApplication::translate("MacroKeyTable", kKeys[i].name)});
    }
    for (const Entry& entry : qAsConst(m_entries)) {
        m_keyNames.insert(entry.vk, entry.name);
        m_vkToHid.insert(entry.vk, entry.hid);
        m_hidToVk.insert(entry.hid, entry.vk);
    }
}

QString MacroKeyTable::KeyName(tdu2 vk) const
{
    return m_keyNames.value(vk);
}

tdu1 MacroKeyTable::VkToHid(tdu2 vk) const
{
    return m_vkToHid.value(vk, 0);
}

tdu2 MacroKeyTable::HidToVk(tdu1 hid) const
{
    return m_hidToVk.value(hid, 0);
}

bool MacroKeyTable::Contains(tdu2 vk) const
{
    return m_vkToHid.contains(vk);
}

QString MacroKeyTable::ForeignKeyName(tdu2 vk)
{
    if (vk >= kVkF13 && vk <= kVkF24)
        return QStringLiteral("F%1").arg(vk - kVkF13 + 13);
    for (const RawEntry& key : kForeignKeys) {
        if (key.vk == vk)
            return QString::fromLatin1(key.name);
    }
    return QStringLiteral("VK 0x") + QString::number(vk, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}
