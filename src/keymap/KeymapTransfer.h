#pragma once

#include "device/CommandClient.h"
#include "device/DeviceTypes.h"
#include "device/Protocol.h"
#include "keymap/KeymapStore.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <optional>

class KeyboardModel;

// The keymap page's exchanges with the keyboard: writing a keymap and reading it back, reading
// it (on request, for a comparison, or when it is first shown), and what the answers mean for the
// user's edits. Every read and read-back goes into the KeyboardModel; the store's baselines follow
// what the keyboard is known to hold. No widgets: the page shows what it says.
class KeymapTransfer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapTransfer)

public:
    // What a keymap command was sent for; it comes back with the keyboard's answer.
    struct Transfer
    {
        enum class Kind {
            Upload,
            Download,
            Compare,
            // The read that shows a keymap as the keyboard holds it when it is first shown.
            FirstRead,
            // The read after a write: what the keyboard took is what counts as written.
            ReadBack,
        };
        Kind kind = Kind::Download;
        int keymap = 0;
        // For an upload and its read-back: the codes written.
        KeymapStore::KeymapCodes codes {};
    };

    explicit KeymapTransfer(KeymapStore* store, QObject* parent = nullptr);
    ~KeymapTransfer() override;

    // Without a client every command is refused as in demo mode; without a model reads still
    // show, but nothing records what the keyboard holds.
    void SetClient(CommandClient* client);
    void SetModel(KeyboardModel* model);
    KeyboardModel* Model() const
    {
        return m_model;
    }

    // Writes the keymap as the store holds it and reads it back. While a write of the same keymap
    // waits for its read-back, the newest request waits behind it. False when nothing went out
    // nor waits.
    bool Upload(int keymap);
    void Download(int keymap);
    void Compare(int keymap);
    // From now on each keymap is read when first shown (the shown one at once).
    void ReadFromKeyboard(int shownKeymap);
    bool ReadsKeyboard() const
    {
        return m_readsKeyboard;
    }
    void ReadIfFirstShown(int keymap);
    // The keymap's keys came from the keyboard or a file, not from the layout's defaults.
    bool KeymapKnown(int keymap) const;
    // The keymap was opened from a file: the keyboard's keys do not replace it unasked.
    void MarkFromFile(int keymap, bool fromFile = true);
    // A write of the keymap waits for its answer or read-back.
    bool Writing(int keymap) const;
    // The keyboard reads its keys in this page's layout (or there is no keyboard to ask).
    bool LayoutFitsKeyboard() const;

signals:
    void ResultShow(tdu1 level, QString text);
    // The store's codes or baseline of a keymap changed outside an edit step.
    void KeymapChanged(int keymap);
    // A read on request came: the page takes it into the keymap as one undoable step.
    void DownloadReady(int keymap, const KeymapStore::KeymapCodes& codes);
    void CompareReady(int keymap, const KeymapStore::KeymapCodes& codes);
    // A write was confirmed by its read-back.
    void Written(int keymap);
    // A write is over: confirmed by its read-back, or refused, unanswered, lost or read back
    // differing.
    void WriteEnded(int keymap, bool confirmed);

private:
    bool Send(const Transfer& transfer, const QByteArray& payload = QByteArray());
    void Answered(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context);
    void Ambiguous(tdu1 cmd, const QVariant& context);
    void Late(const QVariant& context);
    void Unanswered(const QList<QVariant>& contexts);
    void HandleWriteReply(const Transfer& transfer, bool done);
    void HandleReadBack(const Transfer& transfer, const tdu1* data, tdu2 len);
    void HandleFirstRead(int keymap, const tdu1* data, tdu2 len);
    // What the keyboard holds goes into the model, as this page's own knowledge.
    void Record(int keymap, const KeymapStore::KeymapCodes& codes);
    // The keyboard's keys for a keymap: shown, unless the user's edits or an opened file differ.
    void TakeKeyboardKeymap(int keymap, const KeymapStore::KeymapCodes& codes, bool tell);
    void FinishWrite(int keymap, bool confirmed = false);
    void Forgotten();
    bool Decode(const tdu1* data, tdu2 len, KeymapStore::KeymapCodes* codes) const;

    KeymapStore* m_store;
    QPointer<CommandClient> m_client;
    KeyboardModel* m_model;
    bool m_readsKeyboard = false;
    bool m_recording = false;
    // Keymaps asked for when first shown, since the keyboard was last opened.
    std::array<bool, Protocol::kKeymapCount> m_firstReadAsked {};
    std::array<bool, Protocol::kKeymapCount> m_fromFile {};
    // A write waiting for its answer or read-back, and the request that waits behind it.
    std::array<bool, Protocol::kKeymapCount> m_writing {};
    std::array<bool, Protocol::kKeymapCount> m_uploadWaiting {};
};

Q_DECLARE_METATYPE(KeymapTransfer::Transfer)
