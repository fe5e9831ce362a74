#pragma once

#include "backup/KeyboardBackup.h"
#include "device/DeviceTypes.h"

#include <QObject>
#include <QSet>
#include <QStringList>
#include <QVector>

class CommandClient;
class DeviceSession;

// Reads a whole keyboard, or writes a backup to it, one command at a time: each command goes out
// once the answer to the one before has come, so the keyboard is never flooded and a failure
// is known at once. It talks to the keyboard through a client of its own, so that an answer for a
// job that is gone reaches nobody.
class BackupJob final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupJob)

public:
    // For the keymap type and grid of the layout in use, on the session's keyboard.
    BackupJob(DeviceSession* session, int keymapType, int rows, int cols, QObject* parent = nullptr);
    ~BackupJob() override;

    // Reads the four keymaps, the 32 macros and the settings into Result().
    void Read();
    // Writes the keymaps, the macros and every setting but the wireless type. The whole backup is
    // checked first: one the keyboard could not take as it is ends the job before any write.
    void Write(const KeyboardBackup& backup);
    bool IsRunning() const
    {
        return m_next < m_steps.size();
    }
    // What Read() found; model and program are left to the caller.
    const KeyboardBackup& Result() const
    {
        return m_result;
    }
    // What Read() found, as a backup of identity's keyboard (model, product ID, program) taken now.
    KeyboardBackup ResultOf(const KeyboardBackup& identity) const;
    // Parts whose write the keyboard refused.
    QSet<int> RefusedParts() const
    {
        return m_refused;
    }

    // Ends the job at once; its command in flight is no longer awaited.
    void Abort(const QString& reason);
    // Ends the job once the command in flight is answered, so that nothing is left half sent.
    void Stop(const QString& reason);
    // A write of this job reached the keyboard: it may no longer hold what it held.
    bool SentWrite() const
    {
        return m_sentWrite;
    }
    // After a write that ended early: what each part holds now, one line a part, for the user.
    QStringList WriteReport() const;
    // The step the job is at (the next to be answered) and how many there are.
    int NextStep() const
    {
        return m_next;
    }

signals:
    void Progress(int done, int total);
    // ok is false when the job ended before its last step; error then says why.
    void Finished(bool ok, const QString& error);

private:
    struct Step
    {
        tdu1 cmd;
        QByteArray payload;
        int part;
        // Keymap or macro number within its part.
        int index;
        bool read;
    };

    void Start();
    void SendNext();
    void RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context);
    // False, with the reason, when an answer to a read cannot be taken.
    bool TakeRead(const Step& step, const tdu1* data, tdu2 len, QString* error);

    CommandClient* m_client;
    QVector<Step> m_steps;
    int m_next = 0;
    KeyboardBackup m_result;
    QSet<int> m_refused;
    // Writes the keyboard confirmed, by step.
    QSet<int> m_written;
    // The step sent and not yet answered, or -1.
    int m_inFlight = -1;
    bool m_sentWrite = false;
    QString m_stopReason;
};
