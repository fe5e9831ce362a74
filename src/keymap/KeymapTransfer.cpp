#include "keymap/KeymapTransfer.h"

#include "codec/KeyboardModel.h"
#include "codec/KeymapCodec.h"
#include "device/CommandClient.h"
#include "device/DeviceSession.h"
#include "keymap/KeymapLog.h"
#include "ui/Palette.h"

using Palette::kFailure;
using Palette::kSuccess;
using Palette::kWarning;

KeymapTransfer::KeymapTransfer(KeymapStore* store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_model(new KeyboardModel(this))
{
    qRegisterMetaType<KeymapStore::KeymapCodes>("KeymapStore::KeymapCodes");
    SetModel(m_model);
}

KeymapTransfer::~KeymapTransfer() = default;

void KeymapTransfer::SetClient(CommandClient* client)
{
    if (m_client)
        disconnect(m_client, nullptr, this, nullptr);
    m_client = client;
    if (!client)
        return;
    connect(client, &CommandClient::Answered, this, &KeymapTransfer::Answered);
    connect(client, &CommandClient::Ambiguous, this, &KeymapTransfer::Ambiguous);
    connect(client, &CommandClient::Late, this, [this](tdu1, const QVariant& context) { Late(context); });
    connect(client, &CommandClient::Overdue, this, &KeymapTransfer::Unanswered);
    connect(client, &CommandClient::Lost, this, &KeymapTransfer::Unanswered);
}

void KeymapTransfer::SetModel(KeyboardModel* model)
{
    if (model != m_model) {
        disconnect(m_model, nullptr, this, nullptr);
        if (m_model->parent() == this)
            delete m_model;
        m_model = model;
    }
    // Listeners act after the one who forgot has said what it knows now (a restore's read-back).
    connect(m_model, &KeyboardModel::Forgotten, this, &KeymapTransfer::Forgotten, Qt::QueuedConnection);
    connect(m_model, &KeyboardModel::KeymapKnownChanged, this, [this](int keymap) {
        if (!m_recording)
            TakeKeyboardKeymap(keymap, m_model->Keymap(keymap), false);
    });
}

void KeymapTransfer::Record(int keymap, const KeymapStore::KeymapCodes& codes)
{
    m_recording = true;
    m_model->SetKeymap(keymap, codes);
    m_recording = false;
}

bool KeymapTransfer::Send(const Transfer& transfer, const QByteArray& payload)
{
    if (!m_client) {
        emit ResultShow(kWarning, tr("Demo Mode,Please connect keyboard and try again."));
        return false;
    }
    const tdu1 cmd = transfer.kind == Transfer::Kind::Upload ? Protocol::kCmdWriteKeymap[transfer.keymap]
                                                             : Protocol::kCmdReadKeymap[transfer.keymap];
    return m_client->Send(cmd, payload, CommandIntent {QVariant::fromValue(transfer), QByteArray()});
}

bool KeymapTransfer::Upload(int keymap)
{
    if (m_writing[size_t(keymap)]) {
        // Two writes of one keymap in flight could not be told apart by their answers.
        m_uploadWaiting[size_t(keymap)] = true;
        emit ResultShow(
            kWarning, tr("Keymap %1 is written once the keyboard has confirmed the write before.").arg(keymap + 1));
        return true;
    }
    const KeymapStore::KeymapCodes codes = m_store->KeymapCopy(keymap);
    m_writing[size_t(keymap)] = Send({Transfer::Kind::Upload, keymap, codes}, m_store->PackKeymap(keymap));
    qCDebug(lcKeymap) << "Set Keymap" << keymap << m_writing[size_t(keymap)];
    return m_writing[size_t(keymap)];
}

void KeymapTransfer::Download(int keymap)
{
    Send({Transfer::Kind::Download, keymap, {}});
    qCDebug(lcKeymap) << "Get Keymap" << keymap;
}

void KeymapTransfer::Compare(int keymap)
{
    Send({Transfer::Kind::Compare, keymap, {}});
    qCDebug(lcKeymap) << "Compare Keymap" << keymap;
}

void KeymapTransfer::ReadFromKeyboard(int shownKeymap)
{
    m_readsKeyboard = true;
    ReadIfFirstShown(shownKeymap);
}

void KeymapTransfer::ReadIfFirstShown(int keymap)
{
    if (!m_readsKeyboard || keymap < 0 || keymap >= Protocol::kKeymapCount || m_firstReadAsked[size_t(keymap)]
        || m_model->KeymapKnown(keymap) || !m_store->Loaded() || !m_store->KeymapTransferable()) {
        return;
    }
    m_firstReadAsked[size_t(keymap)] = true;
    emit ResultShow(kWarning, tr("Reading keymap %1 from the keyboard…").arg(keymap + 1));
    if (!Send({Transfer::Kind::FirstRead, keymap, {}}))
        m_firstReadAsked[size_t(keymap)] = false;
    qCDebug(lcKeymap) << "First Read Keymap" << keymap;
}

bool KeymapTransfer::KeymapKnown(int keymap) const
{
    return keymap >= 0 && keymap < Protocol::kKeymapCount
        && (m_model->KeymapKnown(keymap) || m_fromFile[size_t(keymap)]);
}

void KeymapTransfer::MarkFromFile(int keymap, bool fromFile)
{
    if (keymap >= 0 && keymap < Protocol::kKeymapCount)
        m_fromFile[size_t(keymap)] = fromFile;
}

bool KeymapTransfer::Writing(int keymap) const
{
    return keymap >= 0 && keymap < Protocol::kKeymapCount && m_writing[size_t(keymap)];
}

bool KeymapTransfer::LayoutFitsKeyboard() const
{
    return !m_client || !m_client->Session() || m_client->Session()->LayoutMatchesKeyboard();
}

bool KeymapTransfer::Decode(const tdu1* data, tdu2 len, KeymapStore::KeymapCodes* codes) const
{
    // A short reply would leave part of the keymap from the keyboard and part from before.
    return m_store->Loaded() && m_store->UnpackCodes(data, len, codes);
}

void KeymapTransfer::Answered(tdu1, tdu1* data, tdu2 len, const QVariant& context)
{
    if (!context.canConvert<Transfer>())
        return;
    const Transfer transfer = context.value<Transfer>();
    const int keymap = transfer.keymap;
    KeymapStore::KeymapCodes codes = m_store->KeymapCopy(keymap);
    switch (transfer.kind) {
    case Transfer::Kind::Upload:
        // A reply without its status byte is no confirmation.
        HandleWriteReply(transfer, data != nullptr && len > 0 && data[0] == Protocol::kStatusDone);
        return;
    case Transfer::Kind::ReadBack:
        HandleReadBack(transfer, data, len);
        return;
    case Transfer::Kind::FirstRead:
        HandleFirstRead(keymap, data, len);
        return;
    case Transfer::Kind::Compare:
    case Transfer::Kind::Download:
        break;
    }
    if (!Decode(data, len, &codes)) {
        qCDebug(lcKeymap) << "Keymap Reply Too Short" << len << m_store->PayloadSize();
        emit ResultShow(kFailure, tr("Get Keyboard Keymap ") + QString::number(keymap + 1) + tr(" Fail"));
        return;
    }
    Record(keymap, codes);
    if (transfer.kind == Transfer::Kind::Compare)
        emit CompareReady(keymap, codes);
    else
        emit DownloadReady(keymap, codes);
}

void KeymapTransfer::HandleWriteReply(const Transfer& transfer, bool done)
{
    if (!done) {
        emit ResultShow(kFailure, tr("Set Keyboard Keymap ") + QString::number(transfer.keymap + 1) + tr(" Fail"));
        FinishWrite(transfer.keymap);
        return;
    }
    // Only what the keyboard gives back counts as written.
    Transfer readBack = transfer;
    readBack.kind = Transfer::Kind::ReadBack;
    if (!Send(readBack))
        FinishWrite(transfer.keymap);
}

void KeymapTransfer::HandleReadBack(const Transfer& transfer, const tdu1* data, tdu2 len)
{
    const int keymap = transfer.keymap;
    KeymapStore::KeymapCodes read = m_store->KeymapCopy(keymap);
    if (!Decode(data, len, &read)) {
        emit ResultShow(kFailure,
            tr("Keymap %1 was written, but could not be read back; Download shows what the keyboard holds.")
                .arg(keymap + 1));
        FinishWrite(keymap);
        return;
    }
    Record(keymap, read);
    m_store->SetBaseline(keymap, read);
    emit KeymapChanged(keymap);
    const bool same = KeymapCodec::Same(read, transfer.codes, m_store->RowNum(), m_store->ColNum());
    if (same) {
        emit ResultShow(kSuccess, tr("Set Keyboard Keymap ") + QString::number(keymap + 1) + tr(" Success"));
        emit Written(keymap);
    } else {
        qCDebug(lcKeymap) << "Keymap Read Back Differs" << keymap;
        emit ResultShow(kFailure, tr("Keymap %1 was written, but the keyboard holds something else.").arg(keymap + 1));
    }
    FinishWrite(keymap, same);
}

void KeymapTransfer::HandleFirstRead(int keymap, const tdu1* data, tdu2 len)
{
    KeymapStore::KeymapCodes codes = m_store->KeymapCopy(keymap);
    if (!Decode(data, len, &codes)) {
        m_firstReadAsked[size_t(keymap)] = false;
        emit ResultShow(kFailure, tr("Keymap %1 could not be read from the keyboard.").arg(keymap + 1));
        return;
    }
    Record(keymap, codes);
    TakeKeyboardKeymap(keymap, codes, true);
}

void KeymapTransfer::TakeKeyboardKeymap(int keymap, const KeymapStore::KeymapCodes& codes, bool tell)
{
    // Keys the user set, or a file opened, are not replaced behind their back; they now count as
    // edits against what the keyboard holds.
    if (m_store->HasEdits(keymap) || m_fromFile[size_t(keymap)]) {
        m_store->SetBaseline(keymap, codes);
        emit KeymapChanged(keymap);
        if (tell) {
            emit ResultShow(kWarning,
                tr("Keymap %1 still shows your keys, which differ from the keyboard's; Download shows the "
                   "keyboard's.")
                    .arg(keymap + 1));
        }
        return;
    }
    // The keyboard's keys are where editing of this keymap starts, not an edit to undo.
    m_store->ReplaceKeymap(keymap, codes);
    m_store->SetBaseline(keymap, codes);
    emit KeymapChanged(keymap);
    if (tell)
        emit ResultShow(kSuccess, tr("Keymap %1 shows what the keyboard holds.").arg(keymap + 1));
}

void KeymapTransfer::FinishWrite(int keymap, bool confirmed)
{
    m_writing[size_t(keymap)] = false;
    emit WriteEnded(keymap, confirmed);
    if (m_uploadWaiting[size_t(keymap)]) {
        m_uploadWaiting[size_t(keymap)] = false;
        Upload(keymap);
    }
}

void KeymapTransfer::Ambiguous(tdu1, const QVariant& context)
{
    if (!context.canConvert<Transfer>())
        return;
    const Transfer transfer = context.value<Transfer>();
    // This may be the answer to a write that had been given up on: only a read-back tells what the
    // keyboard took. A read waits for its own answer.
    if (transfer.kind == Transfer::Kind::Upload) {
        Transfer readBack = transfer;
        readBack.kind = Transfer::Kind::ReadBack;
        Send(readBack);
    }
}

void KeymapTransfer::Late(const QVariant& context)
{
    if (context.canConvert<Transfer>() && context.value<Transfer>().kind == Transfer::Kind::FirstRead)
        m_firstReadAsked[size_t(context.value<Transfer>().keymap)] = false;
    // What a late answer says may no longer hold, and the user may have edited since.
    emit ResultShow(kWarning, tr("The keyboard answered late; read again to see its keymap."));
}

void KeymapTransfer::Unanswered(const QList<QVariant>& contexts)
{
    for (const QVariant& context : contexts) {
        if (!context.canConvert<Transfer>())
            continue;
        const Transfer transfer = context.value<Transfer>();
        switch (transfer.kind) {
        case Transfer::Kind::Upload:
        case Transfer::Kind::ReadBack:
            FinishWrite(transfer.keymap);
            break;
        case Transfer::Kind::FirstRead:
            // Read again when the keymap is next shown or the keyboard comes back.
            m_firstReadAsked[size_t(transfer.keymap)] = false;
            break;
        case Transfer::Kind::Download:
        case Transfer::Kind::Compare:
            break;
        }
    }
}

void KeymapTransfer::Forgotten()
{
    m_firstReadAsked.fill(false);
    ReadIfFirstShown(m_store->CurrentKeymap());
}
