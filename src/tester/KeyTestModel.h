#pragma once

#include "device/DeviceTypes.h"

#include <QHash>
#include <QList>
#include <QObject>

// What the key tester knows about the keys typed while it runs: how often each key went down,
// which keys are held, and which switches chatter. A key chatters when it goes down again within
// the threshold after its release, faster than a finger can press a key twice.
// Keys are named by their virtual-key code; times are milliseconds of one steady clock.
class KeyTestModel final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyTestModel)

public:
    static constexpr int kDefaultThresholdMs = 30;
    static constexpr int kMinThresholdMs = 1;
    static constexpr int kMaxThresholdMs = 500;

    // What a key-down was.
    enum class Press {
        Counted,
        Chatter, // counted, and within the threshold after the key's release
        Repeat, // the auto-repeat of a held key: not a press
    };

    struct KeyState
    {
        int presses = 0;
        int chatters = 0;
        bool held = false;
        bool released = false;
        tdu4 releasedAt = 0;
    };

    explicit KeyTestModel(QObject* parent = nullptr);

    // The keys the keyboard has; only these can be "never pressed".
    void SetKeys(const QList<tdu2>& vks);
    QList<tdu2> Keys() const;

    void SetThreshold(int ms);
    int Threshold() const;

    Press KeyDown(tdu2 vk, tdu4 timeMs);
    void KeyUp(tdu2 vk, tdu4 timeMs);
    // The test stopped: held keys are up, with no release time to measure the next press from.
    void ReleaseHeld();
    // Forgets every count, keeps the keys and the threshold.
    void Reset();

    KeyState State(tdu2 vk) const;
    // Keys of the keyboard with no press yet, in the order SetKeys gave them.
    QList<tdu2> NeverPressed() const;
    // Keys that chattered at least once, in ascending code order.
    QList<tdu2> Chattering() const;

signals:
    // A key's state changed (pressed, released, chattered); everything after Reset.
    void KeyChanged(tdu2 vk);
    void Cleared();

private:
    QList<tdu2> m_keys;
    QHash<tdu2, KeyState> m_states;
    int m_threshold = kDefaultThresholdMs;
};
