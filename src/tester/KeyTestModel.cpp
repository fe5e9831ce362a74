#include "tester/KeyTestModel.h"

#include <QtGlobal>

#include <algorithm>

KeyTestModel::KeyTestModel(QObject* parent)
    : QObject(parent)
{ }

void KeyTestModel::SetKeys(const QList<tdu2>& vks)
{
    m_keys = vks;
}

QList<tdu2> KeyTestModel::Keys() const
{
    return m_keys;
}

void KeyTestModel::SetThreshold(int ms)
{
    m_threshold = qBound(kMinThresholdMs, ms, kMaxThresholdMs);
}

int KeyTestModel::Threshold() const
{
    return m_threshold;
}

KeyTestModel::Press KeyTestModel::KeyDown(tdu2 vk, tdu4 timeMs)
{
    KeyState& state = m_states[vk];
    if (state.held)
        return Press::Repeat;
    state.held = true;
    state.presses++;
    // Unsigned difference: right across the clock's wrap.
    const bool chatter = state.released && tdu4(timeMs - state.releasedAt) < tdu4(m_threshold);
    if (chatter)
        state.chatters++;
    emit KeyChanged(vk);
    return chatter ? Press::Chatter : Press::Counted;
}

void KeyTestModel::KeyUp(tdu2 vk, tdu4 timeMs)
{
    KeyState& state = m_states[vk];
    // A key held down when the test began goes up without a press: nothing to measure from.
    if (!state.held)
        return;
    state.held = false;
    state.released = true;
    state.releasedAt = timeMs;
    emit KeyChanged(vk);
}

void KeyTestModel::ReleaseHeld()
{
    for (auto it = m_states.begin(); it != m_states.end(); ++it) {
        if (!it->held)
            continue;
        it->held = false;
        it->released = false;
        emit KeyChanged(it.key());
    }
}

void KeyTestModel::Reset()
{
    m_states.clear();
    emit Cleared();
}

KeyTestModel::KeyState KeyTestModel::State(tdu2 vk) const
{
    return m_states.value(vk);
}

QList<tdu2> KeyTestModel::NeverPressed() const
{
    QList<tdu2> keys;
    for (tdu2 vk : m_keys) {
        if (m_states.value(vk).presses == 0)
            keys.append(vk);
    }
    return keys;
}

QList<tdu2> KeyTestModel::Chattering() const
{
    QList<tdu2> keys;
    for (auto it = m_states.cbegin(); it != m_states.cend(); ++it) {
        if (it.value().chatters > 0)
            keys.append(it.key());
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}
