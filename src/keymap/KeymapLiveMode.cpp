#include "keymap/KeymapLiveMode.h"

#include "codec/KeyboardModel.h"
#include "device/CommandClient.h"
#include "device/DeviceSession.h"
#include "keymap/KeymapLog.h"
#include "keymap/KeymapStore.h"
#include "keymap/KeymapTransfer.h"
#include "ui/Palette.h"

#include <QCoreApplication>
#include <QEvent>
#include <QSettings>

namespace {
const char* const kLiveKey = "keymap/liveMode";

QEvent::Type FlushEvent()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}
} // namespace

KeymapLiveMode::KeymapLiveMode(KeymapStore* store, KeymapTransfer* transfer, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_transfer(transfer)
{
    connect(m_transfer, &KeymapTransfer::WriteEnded, this, &KeymapLiveMode::WriteEnded);
}

KeymapLiveMode::~KeymapLiveMode() = default;

void KeymapLiveMode::SetClient(CommandClient* client)
{
    if (m_client && m_client->Session())
        disconnect(m_client->Session(), nullptr, this, nullptr);
    m_client = client;
    DeviceSession* session = client ? client->Session() : nullptr;
    if (session) {
        connect(session, &DeviceSession::Disconnected, this,
            [this] { Stop(tr("Live mode is off: the keyboard was disconnected. Your edits are kept as unsaved.")); });
        connect(session, &DeviceSession::KeyboardKeymapTypeChanged, this, &KeymapLiveMode::SessionChanged);
        connect(session, &DeviceSession::Reconnected, this, &KeymapLiveMode::SessionChanged);
    }
    SessionChanged();
}

bool KeymapLiveMode::Available() const
{
    const DeviceSession* session = m_client ? m_client->Session() : nullptr;
    return session && !session->IsDemo() && !session->IsReconnecting() && session->LayoutMatchesKeyboard();
}

void KeymapLiveMode::SessionChanged()
{
    if (m_on && !Available()) {
        Stop(tr("Live mode is off: the keyboard no longer reads its keys in this layout."));
        return;
    }
    // The user's choice of the last run comes back once there is a keyboard to write to.
    if (!m_on && Available() && QSettings().value(QLatin1String(kLiveKey)).toBool())
        m_on = true;
    emit StateChanged();
}

bool KeymapLiveMode::SetOn(bool on)
{
    if (on && !Available())
        return false;
    QSettings().setValue(QLatin1String(kLiveKey), on);
    if (on == m_on)
        return true;
    m_on = on;
    m_pending.fill(false);
    qCDebug(lcKeymap) << "Live mode" << on;
    emit StateChanged();
    emit MarksChanged();
    return true;
}

void KeymapLiveMode::Edited(int keymap)
{
    if (!m_on || keymap < 0 || keymap >= Protocol::kKeymapCount)
        return;
    m_pending[size_t(keymap)] = true;
    // A write in flight takes the edits along once it is confirmed.
    if (!m_transfer->Writing(keymap) && !m_flushPosted) {
        m_flushPosted = true;
        QCoreApplication::postEvent(this, new QEvent(FlushEvent()), Qt::HighEventPriority);
    }
}

bool KeymapLiveMode::event(QEvent* event)
{
    if (event->type() != FlushEvent())
        return QObject::event(event);
    m_flushPosted = false;
    Flush();
    return true;
}

void KeymapLiveMode::Flush()
{
    for (int keymap = 0; m_on && keymap < Protocol::kKeymapCount; ++keymap) {
        if (!m_pending[size_t(keymap)] || m_transfer->Writing(keymap))
            continue;
        m_pending[size_t(keymap)] = false;
        const KeyboardModel* model = m_transfer->Model();
        if (model->KeymapKnown(keymap) && m_store->SameKeys(keymap, model->Keymap(keymap)))
            continue;
        // A write replaces the whole keymap, also keys the user never saw.
        if (m_transfer->ReadsKeyboard() && !m_transfer->KeymapKnown(keymap)) {
            Stop(tr("Live mode is off: keymap %1 was not read from the keyboard yet. Your edits are kept as unsaved.")
                     .arg(keymap + 1));
            return;
        }
        qCDebug(lcKeymap) << "Live write" << keymap;
        if (!m_transfer->Upload(keymap)) {
            Stop(tr("Live mode is off: keymap %1 could not be written. Your edits are kept as unsaved.")
                     .arg(keymap + 1));
        }
    }
}

void KeymapLiveMode::WriteEnded(int keymap, bool confirmed)
{
    if (!m_on)
        return;
    if (!confirmed) {
        Stop(tr("Live mode is off: the keyboard did not confirm keymap %1. Your edits are kept as unsaved.")
                 .arg(keymap + 1));
        return;
    }
    // The read-back has already shown which keys it confirmed.
    if (m_pending[size_t(keymap)])
        Flush();
}

bool KeymapLiveMode::Unconfirmed(int keymap, int layer, int row, int col) const
{
    if (!m_on)
        return false;
    // Measured against what the keyboard is known to hold, or else what editing started from.
    const KeyboardModel* model = m_transfer->Model();
    const KeymapStore::KeymapCodes& held
        = model->KeymapKnown(keymap) ? model->Keymap(keymap) : m_store->Baseline(keymap);
    return m_store->KeymapCode(keymap, layer, row, col) != held[size_t(layer)][size_t(row)][size_t(col)];
}

bool KeymapLiveMode::DiffersFromKeyboard(int keymap, int layer, int row, int col) const
{
    const KeyboardModel* model = m_transfer->Model();
    return model != nullptr && model->KeymapKnown(keymap)
        && m_store->KeymapCode(keymap, layer, row, col)
        != model->Keymap(keymap)[size_t(layer)][size_t(row)][size_t(col)];
}

void KeymapLiveMode::Stop(const QString& why)
{
    if (!m_on)
        return;
    m_on = false;
    m_pending.fill(false);
    qCDebug(lcKeymap) << "Live mode stopped";
    emit ResultShow(Palette::kFailure, why);
    emit StateChanged();
    emit MarksChanged();
}
