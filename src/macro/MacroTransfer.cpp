#include "macro/MacroTransfer.h"

#include "codec/KeyboardModel.h"
#include "codec/MacroCodec.h"
#include "macro/MacroLog.h"
#include "ui/Palette.h"

using Palette::kFailure;
using Palette::kSuccess;
using Palette::kWarning;

MacroTransfer::MacroTransfer(MacroStore* store, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_model(new KeyboardModel(this))
{
    SetModel(m_model);
    connect(m_store, &MacroStore::MacroChanged, this, [this](int macro) {
        if (!m_replacing && macro >= 0 && macro < Protocol::kMacroCount)
            m_edited[size_t(macro)] = m_store->Generation(macro);
    });
}

MacroTransfer::~MacroTransfer() = default;

void MacroTransfer::SetClient(CommandClient* client)
{
    if (m_client)
        disconnect(m_client, nullptr, this, nullptr);
    m_client = client;
    if (!client)
        return;
    connect(client, &CommandClient::Answered, this, &MacroTransfer::Answered);
    connect(client, &CommandClient::Ambiguous, this, [this](tdu1, const QVariant& context) { Ambiguous(context); });
    connect(client, &CommandClient::Late, this, [this](tdu1, const QVariant&) {
        // What a late answer says may no longer hold, and the user may have edited since.
        emit ResultShow(kWarning, tr("The keyboard answered late; read again to see its macro."));
    });
    connect(client, &CommandClient::Overdue, this, &MacroTransfer::Unanswered);
    connect(client, &CommandClient::Lost, this, &MacroTransfer::Unanswered);
}

void MacroTransfer::SetModel(KeyboardModel* model)
{
    if (model != m_model) {
        disconnect(m_model, nullptr, this, nullptr);
        if (m_model->parent() == this)
            delete m_model;
        m_model = model;
    }
    // What another requester learnt the keyboard holds (a restore's read-back).
    connect(m_model, &KeyboardModel::MacroKnownChanged, this, [this](int macro) {
        if (!m_recording && m_model->MacroKnown(macro))
            TakeKeyboardMacro(macro, m_model->Macro(macro));
    });
}

void MacroTransfer::Record(int macro, const MacroStore::Actions& actions)
{
    m_recording = true;
    m_model->SetMacro(macro, actions);
    m_recording = false;
}

bool MacroTransfer::Send(tdu1 cmd, const QByteArray& payload, const Transfer& transfer, const QByteArray& replyStart)
{
    if (!m_client) {
        emit ResultShow(kWarning, tr("Demo Mode,Please connect keyboard and try again."));
        return false;
    }
    return m_client->Send(cmd, payload, CommandIntent {QVariant::fromValue(transfer), replyStart});
}

bool MacroTransfer::SendReadBack(const Transfer& write)
{
    Transfer readBack = write;
    readBack.kind = Transfer::Kind::ReadBack;
    // The answer names its macro, so the answer to another program's read of another macro is
    // not taken for this one.
    const QByteArray index(1, char(write.macro));
    return Send(Protocol::kCmdReadMacro, index, readBack, index);
}

void MacroTransfer::Write(int macro)
{
    if (macro < 0 || macro >= Protocol::kMacroCount)
        return;
    if (m_writing[size_t(macro)]) {
        // Two writes of one macro in flight could not be told apart by their answers.
        m_writeWaiting[size_t(macro)] = true;
        emit ResultShow(
            kWarning, tr("Macro %1 is written once the keyboard has confirmed the write before.").arg(macro + 1));
        return;
    }
    const Transfer transfer {Transfer::Kind::Write, macro, m_store->MacroActions(macro), 0};
    m_writing[size_t(macro)] = Send(
        Protocol::kCmdWriteMacro, MacroCodec::EncodeWrite(tdu1(macro), transfer.actions), transfer, QByteArray());
    qCDebug(lcMacro) << "Write Macro" << macro << m_writing[size_t(macro)];
}

void MacroTransfer::Read(int macro)
{
    if (macro < 0 || macro >= Protocol::kMacroCount)
        return;
    const QByteArray index(1, char(macro));
    Send(Protocol::kCmdReadMacro, index, {Transfer::Kind::Read, macro, {}, m_store->Generation(macro)}, index);
    qCDebug(lcMacro) << "Read Macro" << macro;
}

bool MacroTransfer::Writing(int macro) const
{
    return macro >= 0 && macro < Protocol::kMacroCount && m_writing[size_t(macro)];
}

void MacroTransfer::Answered(tdu1, tdu1* data, tdu2 len, const QVariant& context)
{
    if (!context.canConvert<Transfer>())
        return;
    const Transfer transfer = context.value<Transfer>();
    if (transfer.macro < 0 || transfer.macro >= Protocol::kMacroCount)
        return;
    switch (transfer.kind) {
    case Transfer::Kind::Write:
        // A reply without its status byte is no confirmation.
        HandleWriteReply(transfer, data != nullptr && len > 0 && data[0] == Protocol::kStatusDone);
        break;
    case Transfer::Kind::ReadBack:
        HandleReadBack(transfer, data, len);
        break;
    case Transfer::Kind::Read:
        HandleRead(transfer, data, len);
        break;
    }
}

void MacroTransfer::HandleWriteReply(const Transfer& transfer, bool done)
{
    if (!done) {
        emit ResultShow(kFailure, tr("Fail to Write Macro Data"));
        FinishWrite(transfer.macro);
        return;
    }
    // Only what the keyboard gives back counts as written.
    if (!SendReadBack(transfer))
        FinishWrite(transfer.macro);
}

bool MacroTransfer::Decode(const tdu1* data, tdu2 len, MacroStore::Actions* actions)
{
    const MacroCodec::ReadReply reply = MacroCodec::DecodeReadReply(data, len);
    if (reply.status != MacroCodec::ReadReply::Status::Ok) {
        qCDebug(lcMacro) << "Read reply refused" << int(reply.status) << len << reply.index << reply.count;
        return false;
    }
    if (reply.skippedWords > 0)
        qCDebug(lcMacro) << "Read reply words without a type skipped:" << reply.skippedWords;
    *actions = reply.actions;
    return true;
}

void MacroTransfer::HandleReadBack(const Transfer& transfer, const tdu1* data, tdu2 len)
{
    const int macro = transfer.macro;
    MacroStore::Actions read;
    if (!Decode(data, len, &read)) {
        emit ResultShow(kFailure,
            tr("Macro %1 was written, but could not be read back; Read Macro shows what the keyboard holds.")
                .arg(macro + 1));
        FinishWrite(macro);
        return;
    }
    Record(macro, read);
    m_store->MarkKept(macro, read);
    // Compared as the keyboard stores them: keys it cannot play are written as empty keys.
    if (MacroCodec::EncodeWrite(tdu1(macro), read) == MacroCodec::EncodeWrite(tdu1(macro), transfer.actions)) {
        emit ResultShow(kSuccess, tr("Success to Write Macro Data"));
    } else {
        qCDebug(lcMacro) << "Macro Read Back Differs" << macro;
        emit ResultShow(kFailure, tr("Macro %1 was written, but the keyboard holds something else.").arg(macro + 1));
    }
    FinishWrite(macro);
}

void MacroTransfer::HandleRead(const Transfer& transfer, const tdu1* data, tdu2 len)
{
    const int macro = transfer.macro;
    MacroStore::Actions read;
    if (!Decode(data, len, &read)) {
        emit ResultShow(kFailure, tr("Fail to Read Macro Data: the keyboard's reply is incomplete."));
        return;
    }
    Record(macro, read);
    if (m_store->IsRecording()) {
        m_store->MarkKept(macro, read);
        emit ResultShow(kWarning, tr("The macro read from the keyboard was not shown: a recording was running."));
        return;
    }
    // Actions the user changed while the answer was on its way stay; they are now edits against
    // what the keyboard holds.
    if (m_edited[size_t(macro)] > transfer.generation) {
        m_store->MarkKept(macro, read);
        emit ResultShow(kWarning,
            tr("Macro %1 was changed before the keyboard answered, so it still shows your actions; Read Macro "
               "shows the keyboard's.")
                .arg(macro + 1));
        return;
    }
    Replace(macro, read);
    emit ResultShow(kSuccess, tr("Success to Read Macro Data"));
}

void MacroTransfer::TakeKeyboardMacro(int macro, const MacroStore::Actions& actions)
{
    const bool edited = m_store->MacroActions(macro) != m_store->Kept(macro);
    if (m_store->IsRecording() || edited)
        m_store->MarkKept(macro, actions);
    else
        Replace(macro, actions);
}

void MacroTransfer::Replace(int macro, const MacroStore::Actions& actions)
{
    emit Replacing(macro);
    m_replacing = true;
    m_store->Replace({{macro, actions}}, tr("Read Macro"));
    m_replacing = false;
    m_store->MarkKept(macro, actions);
}

void MacroTransfer::FinishWrite(int macro)
{
    m_writing[size_t(macro)] = false;
    if (m_writeWaiting[size_t(macro)]) {
        m_writeWaiting[size_t(macro)] = false;
        Write(macro);
    }
}

void MacroTransfer::Ambiguous(const QVariant& context)
{
    if (!context.canConvert<Transfer>())
        return;
    const Transfer transfer = context.value<Transfer>();
    // This may be the answer to a write that had been given up on: only a read-back tells what the
    // keyboard took. A read waits for its own answer.
    if (transfer.kind == Transfer::Kind::Write && transfer.macro >= 0 && transfer.macro < Protocol::kMacroCount)
        SendReadBack(transfer);
}

void MacroTransfer::Unanswered(const QList<QVariant>& contexts)
{
    for (const QVariant& context : contexts) {
        if (!context.canConvert<Transfer>())
            continue;
        const Transfer transfer = context.value<Transfer>();
        if (transfer.kind != Transfer::Kind::Read && transfer.macro >= 0 && transfer.macro < Protocol::kMacroCount)
            FinishWrite(transfer.macro);
    }
}
