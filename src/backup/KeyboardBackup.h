#pragma once

#include "device/DeviceTypes.h"
#include "device/Protocol.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDateTime>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

class KeyboardModel;

// Everything a keyboard holds that can be read back: its four keymaps, its 32 macros and its
// settings, with the model and the keymap type they belong to.
struct KeyboardBackup
{
    Q_DECLARE_TR_FUNCTIONS(KeyboardBackup)

public:
    // The codes of one layer, rows x cols of the layout's grid, row by row.
    using LayerCodes = QVector<tdu2>;
    using KeymapLayers = std::array<LayerCodes, Protocol::kLayerCount>;
    // A macro's words as the keyboard stores them: keys without a name, pauses of any length and
    // words of no known type included, so that a restore writes back the very same bytes.
    using MacroWords = QVector<tdu2>;

    QString model;
    tdu2 productId = 0;
    int keymapType = 0;
    int rows = 0;
    int cols = 0;
    std::array<KeymapLayers, Protocol::kKeymapCount> keymaps;
    std::array<MacroWords, Protocol::kMacroCount> macros;
    int rollover = 0;
    quint32 sleepTime = 0;
    int wakeupMode = 0;
    // One byte per grid cell, row by row.
    QByteArray indicators;
    // The kind of wireless module: a factory setting, kept for reference and never written.
    int wirelessType = 0;
    QString program;
    QDateTime date;

    // The parts a backup holds, in the order they are read and written.
    enum Part {
        Keymap1,
        Keymap2,
        Keymap3,
        Keymap4,
        Macros,
        Rollover,
        SleepTime,
        WakeupMode,
        Indicators,
        WirelessType,
        PartCount,
    };
    // How a written part turned out, judged by reading it back.
    enum class Outcome {
        Verified,
        Refused,
        Differs,
    };

    static QString PartName(int part);
    // Why the keyboard could not take this backup back as it is (a grid it cannot carry, a part of
    // the wrong size, a value its commands refuse); empty when it can. Checked before a backup is
    // saved and before a restore writes anything.
    static QString WriteProblem(const KeyboardBackup& backup);
    // Whether a backup is of this keyboard: its model, keymap type and grid.
    static bool Fits(const KeyboardBackup& backup, const KeyboardBackup& keyboard);
    // The outcome of each part a restore writes (all but the wireless type), from what the
    // keyboard refused and what it held when read back afterwards.
    static QVector<Outcome> Verify(
        const KeyboardBackup& restored, const QSet<int>& refused, const KeyboardBackup& readBack);
    // The line a user reads for one part's outcome.
    static QString OutcomeText(int part, Outcome outcome);
    // What a read of the whole keyboard found is what the keyboard holds.
    void Record(KeyboardModel* model) const;
    // Whether a part holds the same in both.
    static bool SamePart(const KeyboardBackup& a, const KeyboardBackup& b, int part);
    // What differs between the keyboard and a backup, one line a part, for the user.
    static QStringList Differences(const KeyboardBackup& keyboard, const KeyboardBackup& backup);
};
