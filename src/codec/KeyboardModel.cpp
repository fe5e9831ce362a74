#include "codec/KeyboardModel.h"

namespace {
bool ValidKeymap(int keymap)
{
    return keymap >= 0 && keymap < Protocol::kKeymapCount;
}

bool ValidMacro(int macro)
{
    return macro >= 0 && macro < Protocol::kMacroCount;
}

bool ValidSetting(KeyboardModel::Setting setting)
{
    return int(setting) >= 0 && setting < KeyboardModel::Setting::Count;
}
} // namespace

KeyboardModel::KeyboardModel(QObject* parent)
    : QObject(parent)
{
    qRegisterMetaType<KeyboardModel::Setting>("KeyboardModel::Setting");
    qRegisterMetaType<KeyboardModel::Reason>("KeyboardModel::Reason");
}

KeyboardModel::~KeyboardModel() = default;

bool KeyboardModel::KeymapKnown(int keymap) const
{
    return ValidKeymap(keymap) && m_keymapKnown[size_t(keymap)];
}

const KeyboardModel::KeymapCodes& KeyboardModel::Keymap(int keymap) const
{
    static const KeymapCodes kNone {};
    return ValidKeymap(keymap) ? m_keymaps[size_t(keymap)] : kNone;
}

void KeyboardModel::SetKeymap(int keymap, const KeymapCodes& codes)
{
    if (!ValidKeymap(keymap))
        return;
    m_keymaps[size_t(keymap)] = codes;
    m_keymapKnown[size_t(keymap)] = true;
    emit KeymapKnownChanged(keymap);
}

bool KeyboardModel::MacroKnown(int macro) const
{
    return ValidMacro(macro) && m_macroKnown[size_t(macro)];
}

KeyboardModel::Actions KeyboardModel::Macro(int macro) const
{
    return ValidMacro(macro) ? m_macros[size_t(macro)] : Actions();
}

void KeyboardModel::SetMacro(int macro, const Actions& actions)
{
    if (!ValidMacro(macro))
        return;
    m_macros[size_t(macro)] = actions;
    m_macroKnown[size_t(macro)] = true;
    emit MacroKnownChanged(macro);
}

bool KeyboardModel::SettingKnown(Setting setting) const
{
    return ValidSetting(setting) && m_settings[size_t(setting)].isValid();
}

QVariant KeyboardModel::SettingValue(Setting setting) const
{
    return ValidSetting(setting) ? m_settings[size_t(setting)] : QVariant();
}

void KeyboardModel::SetSetting(Setting setting, const QVariant& value)
{
    if (!ValidSetting(setting) || !value.isValid())
        return;
    m_settings[size_t(setting)] = value;
    emit SettingKnownChanged(setting);
}

void KeyboardModel::Forget(Reason why)
{
    m_keymapKnown.fill(false);
    m_macroKnown.fill(false);
    for (QVariant& value : m_settings)
        value = QVariant();
    emit Forgotten(why);
}
