#pragma once

#include "codec/KeymapCodec.h"
#include "codec/MacroAction.h"
#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QObject>
#include <QVariant>
#include <QVector>

#include <array>

// What the keyboard holds, as far as it is known: its keymap type, each keymap's codes, each
// macro and each setting, each known or not. Only confirmed reads and the read-back after a
// write change it; a reconnect, a restore or a change of keymap type make it unknown again. The
// pages show it beside their own edits, and measure those edits against it.
class KeyboardModel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyboardModel)

public:
    using KeymapCodes = KeymapCodec::KeymapCodes;
    using Actions = QVector<MacroAction>;

    // Settings the keyboard can be asked for; values are as the settings page reads them (a
    // number, or the indicator block's bytes row by row).
    enum class Setting {
        Rollover,
        SleepTime,
        WakeupMode,
        Indicators,
        WirelessType,
        KeymapType,
        Count,
    };

    // Why what was known became unknown.
    enum class Reason {
        // The keyboard was opened again: it may have been changed elsewhere meanwhile.
        Reconnected,
        // A whole backup was written to it.
        Restored,
        // It reads its keys in another arrangement now.
        KeymapTypeChanged,
    };

    explicit KeyboardModel(QObject* parent = nullptr);
    ~KeyboardModel() override;

    bool KeymapKnown(int keymap) const;
    // What was last known of it (kept when forgotten, as a hint only); all zero for a bad index.
    const KeymapCodes& Keymap(int keymap) const;
    void SetKeymap(int keymap, const KeymapCodes& codes);

    bool MacroKnown(int macro) const;
    Actions Macro(int macro) const;
    void SetMacro(int macro, const Actions& actions);

    bool SettingKnown(Setting setting) const;
    QVariant SettingValue(Setting setting) const;
    void SetSetting(Setting setting, const QVariant& value);

    // Everything becomes unknown; listeners read again or tell the user.
    void Forget(Reason why);

signals:
    // A keymap, macro or setting was read (or read back) from the keyboard.
    void KeymapKnownChanged(int keymap);
    void MacroKnownChanged(int macro);
    void SettingKnownChanged(KeyboardModel::Setting setting);
    void Forgotten(KeyboardModel::Reason why);

private:
    std::array<KeymapCodes, Protocol::kKeymapCount> m_keymaps {};
    std::array<bool, Protocol::kKeymapCount> m_keymapKnown {};
    std::array<Actions, Protocol::kMacroCount> m_macros;
    std::array<bool, Protocol::kMacroCount> m_macroKnown {};
    std::array<QVariant, int(Setting::Count)> m_settings;
};
Q_DECLARE_METATYPE(KeyboardModel::Setting)
Q_DECLARE_METATYPE(KeyboardModel::Reason)
