#pragma once

#include "device/CommandClient.h"
#include "device/DeviceTypes.h"
#include "device/Protocol.h"
#include "macro/MacroStore.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class KeyboardModel;

// The macro page's exchanges with the keyboard: writing a macro and reading it back, reading a
// macro, and what the answers mean for the user's edits. A macro counts as written only once its
// read-back shows the keyboard holds it; a read replaces the macro only when the user did not
// change it while the answer was on its way. Every read and read-back goes into the
// KeyboardModel and is what the unsaved edits are measured against. No widgets: the page shows
// what it says.
class MacroTransfer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroTransfer)

public:
    // What a macro command was sent for; it comes back with the keyboard's answer.
    struct Transfer
    {
        enum class Kind {
            Write,
            // The read after a write: what the keyboard took is what counts as written.
            ReadBack,
            Read,
        };
        Kind kind = Kind::Read;
        int macro = 0;
        // A write and its read-back: the actions written.
        MacroStore::Actions actions;
        // A read: the macro's generation in the store when it was sent.
        quint64 generation = 0;
    };

    explicit MacroTransfer(MacroStore* store, QObject* parent = nullptr);
    ~MacroTransfer() override;

    // Without a client every command is refused as in demo mode; without a model of its own the
    // transfer keeps one.
    void SetClient(CommandClient* client);
    void SetModel(KeyboardModel* model);
    KeyboardModel* Model() const
    {
        return m_model;
    }

    // Writes the macro as the store holds it and reads it back. While a write of the same macro
    // waits for its read-back, the newest request waits behind it.
    void Write(int macro);
    void Read(int macro);
    // A write of the macro waits for its answer or read-back.
    bool Writing(int macro) const;

signals:
    void ResultShow(tdu1 level, QString text);
    // The keyboard's actions are about to replace the macro.
    void Replacing(int macro);

private:
    bool Send(tdu1 cmd, const QByteArray& payload, const Transfer& transfer, const QByteArray& replyStart);
    bool SendReadBack(const Transfer& write);
    void Answered(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context);
    void Ambiguous(const QVariant& context);
    void Unanswered(const QList<QVariant>& contexts);
    void HandleWriteReply(const Transfer& transfer, bool done);
    void HandleReadBack(const Transfer& transfer, const tdu1* data, tdu2 len);
    void HandleRead(const Transfer& transfer, const tdu1* data, tdu2 len);
    // The keyboard's actions of a macro, or false (and says why) when the reply does not hold them.
    bool Decode(const tdu1* data, tdu2 len, MacroStore::Actions* actions);
    // What the keyboard holds goes into the model, as this page's own knowledge.
    void Record(int macro, const MacroStore::Actions& actions);
    // The keyboard's actions of a macro: shown, unless the user's edits or a recording are there.
    void TakeKeyboardMacro(int macro, const MacroStore::Actions& actions);
    // The store changes the macro in its place, not by the user's hand.
    void Replace(int macro, const MacroStore::Actions& actions);
    void FinishWrite(int macro);

    MacroStore* m_store;
    QPointer<CommandClient> m_client;
    KeyboardModel* m_model;
    bool m_recording = false;
    bool m_replacing = false;
    // The store's generation of each macro at its last change by the user.
    std::array<quint64, Protocol::kMacroCount> m_edited {};
    // A write waiting for its answer or read-back, and the request that waits behind it.
    std::array<bool, Protocol::kMacroCount> m_writing {};
    std::array<bool, Protocol::kMacroCount> m_writeWaiting {};
};

Q_DECLARE_METATYPE(MacroTransfer::Transfer)
