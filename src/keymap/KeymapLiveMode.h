#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class CommandClient;
class KeymapStore;
class KeymapTransfer;

// Live mode of the keymap page: while it is on, every edit step (done, undone or redone) reaches
// the keyboard at once through the page's transfer, with its read-back. Edits made in one go (a
// whole burst of steps), or while a write of their keymap is in flight, go together in the next
// write. A write that is
// not confirmed, or a keyboard that goes away, turns it off; the edits stay unsaved. No widgets:
// the page shows the switch and the marks.
class KeymapLiveMode final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapLiveMode)

public:
    KeymapLiveMode(KeymapStore* store, KeymapTransfer* transfer, QObject* parent = nullptr);
    ~KeymapLiveMode() override;

    // The session whose keyboard is written; without one (demo mode) live mode is unavailable.
    void SetClient(CommandClient* client);
    // There is a keyboard that reads its keys in the page's layout.
    bool Available() const;
    bool IsOn() const
    {
        return m_on;
    }
    // Switching on is refused (false) while it is not available.
    bool SetOn(bool on);

    // An edit step on the keymap was done, undone or redone.
    void Edited(int keymap);
    // A key the user changed whose code the keyboard has not yet confirmed.
    bool Unconfirmed(int keymap, int layer, int row, int col) const;
    // The keyboard is known (read or confirmed) to hold another code on the key, live or not.
    bool DiffersFromKeyboard(int keymap, int layer, int row, int col) const;

signals:
    void ResultShow(tdu1 level, QString text);
    // Switched on or off, or became available or unavailable.
    void StateChanged();
    // Which keys are unconfirmed may have changed.
    void MarksChanged();

protected:
    bool event(QEvent* event) override;

private:
    void Flush();
    void WriteEnded(int keymap, bool confirmed);
    // Turns live mode off with the reason shown to the user.
    void Stop(const QString& why);
    void SessionChanged();

    KeymapStore* m_store;
    KeymapTransfer* m_transfer;
    QPointer<CommandClient> m_client;
    // A flush is on its way: it comes once the edits of this go are done, before the page is
    // drawn again, so that the keyboard is busy with them meanwhile.
    bool m_flushPosted = false;
    bool m_on = false;
    // Keymaps edited since their last write went out.
    std::array<bool, Protocol::kKeymapCount> m_pending {};
};
