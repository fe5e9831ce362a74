#include "keymap/KeymapLiveSwitches.h"

#include "keymap/KeymapLiveMode.h"

#include <QCheckBox>
#include <QSettings>

namespace {
const char* const kNextKeyKey = "keymap/nextKey";
} // namespace

KeymapLiveSwitches::KeymapLiveSwitches(KeymapLiveMode* live, QCheckBox* liveBox, QCheckBox* nextKeyBox, QObject* parent)
    : QObject(parent)
    , m_live(live)
    , m_liveBox(liveBox)
    , m_nextKeyBox(nextKeyBox)
{
    connect(m_live, &KeymapLiveMode::StateChanged, this, &KeymapLiveSwitches::ShowLiveState);
    // A refused switch-on (no keyboard) leaves the box off.
    connect(m_liveBox, &QCheckBox::clicked, this, [this](bool on) { m_liveBox->setChecked(m_live->SetOn(on) && on); });
    m_nextKeyBox->setChecked(QSettings().value(QLatin1String(kNextKeyKey)).toBool());
    connect(
        m_nextKeyBox, &QCheckBox::clicked, this, [](bool on) { QSettings().setValue(QLatin1String(kNextKeyKey), on); });
    ShowLiveState();
}

bool KeymapLiveSwitches::NextKey() const
{
    return m_nextKeyBox->isChecked();
}

void KeymapLiveSwitches::ShowLiveState()
{
    m_liveBox->setEnabled(m_live->Available());
    m_liveBox->setChecked(m_live->IsOn());
}
