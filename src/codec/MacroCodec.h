#pragma once

#include "codec/MacroAction.h"
#include "device/DeviceTypes.h"

#include <QByteArray>
#include <QVector>

// The macro transfer format of commands 0x10 (write) and 0x11 (read reply): macro index, action
// count, then one little-endian word per action, type in bits 15..14 (1 down, 2 up, 3 delay) and
// the HID usage or the milliseconds in bits 13..0. Pure functions, safe on any input.
class MacroCodec final
{
public:
    MacroCodec() = delete;

    static constexpr int kHeaderSize = 2;

    struct ReadReply
    {
        enum class Status {
            Ok,
            // Shorter than the header or than its own count says.
            TooShort,
            // Macro index beyond the keyboard's 32 macros.
            BadIndex,
            // More actions than a macro holds.
            BadCount,
        };
        Status status = Status::TooShort;
        tdu1 index = 0;
        tdu1 count = 0;
        QVector<MacroAction> actions;
        // Words with type bits 0, which no write produces; they are left out of `actions`.
        int skippedWords = 0;
        // Every word as the keyboard stores it, skipped ones and keys without a virtual-key code
        // included: what a backup keeps, so that writing it back gives the same bytes.
        QVector<tdu2> words;
    };

    static tdu2 ClampDelay(quint64 milliseconds);
    // Key actions carry the key's HID usage (0 for keys the keyboard cannot play).
    static tdu2 ActionWord(const MacroAction& action);
    static QByteArray EncodeWrite(tdu1 index, const QVector<MacroAction>& actions);
    // The write of words exactly as given.
    static QByteArray EncodeWords(tdu1 index, const QVector<tdu2>& words);
    // The actions a page shows for stored words, by the rules of DecodeReadReply.
    static QVector<MacroAction> Actions(const QVector<tdu2>& words);
    // The virtual-key code of a key word when writing that code gives the very same word, else 0.
    static tdu2 ExactKey(tdu2 word);
    // Decodes a read reply of `len` bytes; reads nothing beyond them.
    static ReadReply DecodeReadReply(const tdu1* data, int len);
};
