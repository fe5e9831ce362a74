#include "backup/BackupJob.h"

#include "backup/BackupLog.h"
#include "codec/KeymapCodec.h"
#include "codec/MacroCodec.h"
#include "codec/SettingsReply.h"
#include "device/CommandClient.h"
#include "device/DeviceSession.h"
#include "device/Protocol.h"

#include <QtEndian>

BackupJob::BackupJob(DeviceSession* session, int keymapType, int rows, int cols, QObject* parent)
    : QObject(parent)
    , m_client(session->NewClient(this))
{
    connect(m_client, &CommandClient::Answered, this, &BackupJob::RecHidCmd);
    connect(m_client, &CommandClient::Overdue, this, [this] { Abort(tr("the keyboard did not answer.")); });
    connect(m_client, &CommandClient::Lost, this, [this] { Abort(tr("the keyboard was unplugged.")); });
    // An answer that may be an earlier command's proves nothing; the job's own may still come,
    // or its deadline ends the job.
    connect(m_client, &CommandClient::Ambiguous, this,
        [](tdu1 cmd) { qCDebug(lcBackup) << "Backup Reply Ambiguous" << cmd; });
    m_result.keymapType = keymapType;
    m_result.rows = rows;
    m_result.cols = cols;
}

BackupJob::~BackupJob() = default;

KeyboardBackup BackupJob::ResultOf(const KeyboardBackup& identity) const
{
    KeyboardBackup backup = m_result;
    backup.model = identity.model;
    backup.productId = identity.productId;
    backup.program = identity.program;
    backup.date = QDateTime::currentDateTimeUtc();
    return backup;
}

void BackupJob::Read()
{
    m_steps.clear();
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++)
        m_steps.append({Protocol::kCmdReadKeymap[keymap], {}, KeyboardBackup::Keymap1 + keymap, keymap, true});
    for (int macro = 0; macro < Protocol::kMacroCount; macro++)
        m_steps.append({Protocol::kCmdReadMacro, QByteArray(1, char(macro)), KeyboardBackup::Macros, macro, true});
    m_steps.append({Protocol::kCmdReadRollover, {}, KeyboardBackup::Rollover, 0, true});
    m_steps.append({Protocol::kCmdReadSleepTime, {}, KeyboardBackup::SleepTime, 0, true});
    m_steps.append({Protocol::kCmdReadWakeupMode, {}, KeyboardBackup::WakeupMode, 0, true});
    m_steps.append({Protocol::kCmdReadILedConfig, {}, KeyboardBackup::Indicators, 0, true});
    m_steps.append({Protocol::kCmdReadWirelessType, {}, KeyboardBackup::WirelessType, 0, true});
    Start();
}

void BackupJob::Write(const KeyboardBackup& backup)
{
    m_steps.clear();
    for (int keymap = 0; keymap < Protocol::kKeymapCount; keymap++) {
        KeymapCodec::KeymapCodes codes {};
        for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
            const KeyboardBackup::LayerCodes& cells = backup.keymaps[size_t(keymap)][size_t(layer)];
            for (int i = 0; i < cells.size() && i < backup.rows * backup.cols; i++)
                codes[size_t(layer)][size_t(i / backup.cols)][size_t(i % backup.cols)] = cells.at(i);
        }
        m_steps.append({Protocol::kCmdWriteKeymap[keymap], KeymapCodec::Pack(codes, m_result.rows, m_result.cols),
            KeyboardBackup::Keymap1 + keymap, keymap, false});
    }
    for (int macro = 0; macro < Protocol::kMacroCount; macro++)
        m_steps.append({Protocol::kCmdWriteMacro, MacroCodec::EncodeWords(tdu1(macro), backup.macros[size_t(macro)]),
            KeyboardBackup::Macros, macro, false});
    QByteArray sleep(Protocol::kSleepTimeSize, '\0');
    qToLittleEndian<quint32>(backup.sleepTime, sleep.data());
    m_steps.append(
        {Protocol::kCmdSetRollover, QByteArray(1, char(backup.rollover)), KeyboardBackup::Rollover, 0, false});
    m_steps.append({Protocol::kCmdSetSleepTime, sleep, KeyboardBackup::SleepTime, 0, false});
    m_steps.append(
        {Protocol::kCmdSetWakeupMode, QByteArray(1, char(backup.wakeupMode)), KeyboardBackup::WakeupMode, 0, false});
    m_steps.append({Protocol::kCmdWriteILedConfig, backup.indicators, KeyboardBackup::Indicators, 0, false});
    // Checked whole by the rules the writes follow, so that a restore never stops half-way on
    // something that could be known before it began.
    QString problem = KeyboardBackup::WriteProblem(backup);
    if (problem.isEmpty() && (backup.rows != m_result.rows || backup.cols != m_result.cols))
        problem = tr("The backup's key grid is not the keyboard's.");
    for (const Step& step : qAsConst(m_steps)) {
        if (problem.isEmpty() && step.payload.size() > Protocol::kMaxPayload)
            problem = tr("%1 is too large for the keyboard.").arg(KeyboardBackup::PartName(step.part));
    }
    if (!problem.isEmpty()) {
        qCDebug(lcBackup) << "Restore Refused Before Writing" << problem;
        m_steps.clear();
        m_next = 0;
        m_written.clear();
        m_inFlight = -1;
        emit Finished(false, problem);
        return;
    }
    Start();
}

void BackupJob::Start()
{
    m_next = 0;
    m_refused.clear();
    m_written.clear();
    m_inFlight = -1;
    m_sentWrite = false;
    m_stopReason.clear();
    SendNext();
}

void BackupJob::SendNext()
{
    emit Progress(m_next, m_steps.size());
    if (m_next >= m_steps.size()) {
        emit Finished(true, QString());
        return;
    }
    const Step& step = m_steps.at(m_next);
    // A macro's answer names its macro: another program's read of another one is not taken.
    const CommandIntent intent {m_next, step.read && step.cmd == Protocol::kCmdReadMacro ? step.payload : QByteArray()};
    if (!m_client->Send(step.cmd, step.payload, intent)) {
        Abort(tr("the keyboard cannot be reached."));
        return;
    }
    m_inFlight = m_next;
    m_sentWrite = m_sentWrite || !step.read;
}

void BackupJob::RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context)
{
    const int index = context.toInt();
    if (index != m_next || index >= m_steps.size() || m_steps.at(index).cmd != cmd) {
        qCDebug(lcBackup) << "Backup Reply Not Expected" << cmd << index << m_next;
        return;
    }
    const Step step = m_steps.at(index);
    m_inFlight = -1;
    if (step.read) {
        QString error;
        if (!TakeRead(step, data, len, &error)) {
            Abort(error);
            return;
        }
    } else if (SettingsReply::Status(data, len) != SettingsReply::Outcome::Ok) {
        qCDebug(lcBackup) << "Backup Write Refused" << step.part << step.index;
        m_refused.insert(step.part);
    } else {
        m_written.insert(index);
    }
    m_next++;
    if (!m_stopReason.isEmpty() && IsRunning()) {
        Abort(m_stopReason);
        return;
    }
    SendNext();
}

bool BackupJob::TakeRead(const Step& step, const tdu1* data, tdu2 len, QString* error)
{
    *error = tr("The keyboard's answer for %1 is incomplete.").arg(KeyboardBackup::PartName(step.part));
    switch (step.part) {
    case KeyboardBackup::Keymap1:
    case KeyboardBackup::Keymap2:
    case KeyboardBackup::Keymap3:
    case KeyboardBackup::Keymap4: {
        KeymapCodec::KeymapCodes codes {};
        if (!KeymapCodec::Unpack(data, len, m_result.rows, m_result.cols, &codes))
            return false;
        for (int layer = 0; layer < Protocol::kLayerCount; layer++) {
            KeyboardBackup::LayerCodes& cells = m_result.keymaps[size_t(step.index)][size_t(layer)];
            cells.clear();
            for (int row = 0; row < m_result.rows; row++) {
                for (int col = 0; col < m_result.cols; col++)
                    cells.append(codes[size_t(layer)][size_t(row)][size_t(col)]);
            }
        }
        return true;
    }
    case KeyboardBackup::Macros: {
        const MacroCodec::ReadReply reply = MacroCodec::DecodeReadReply(data, len);
        if (reply.status != MacroCodec::ReadReply::Status::Ok)
            return false;
        m_result.macros[size_t(step.index)] = reply.words;
        return true;
    }
    case KeyboardBackup::SleepTime: {
        const SettingsReply::Decoded sleep = SettingsReply::SleepTime(data, len);
        m_result.sleepTime = sleep.value;
        return sleep.outcome == SettingsReply::Outcome::Ok;
    }
    case KeyboardBackup::Indicators: {
        tdu1 map[Protocol::kMaxRows][Protocol::kMaxCols] = {};
        if (SettingsReply::ILedBlock(data, len, m_result.rows, m_result.cols, map) != SettingsReply::Outcome::Ok)
            return false;
        m_result.indicators.clear();
        for (int row = 0; row < m_result.rows; row++)
            m_result.indicators.append(reinterpret_cast<const char*>(map[row]), m_result.cols);
        return true;
    }
    default:
        break;
    }
    const SettingsReply::Decoded byte = SettingsReply::Byte(data, len);
    if (byte.outcome != SettingsReply::Outcome::Ok)
        return false;
    // A keyboard may hold any byte; only what it can be set to again is a backup's.
    if (step.part == KeyboardBackup::Rollover)
        m_result.rollover = byte.value == Protocol::kRolloverNkro ? 1 : 0;
    else if (step.part == KeyboardBackup::WakeupMode)
        m_result.wakeupMode = byte.value == Protocol::kWakeupAllKeys ? 1 : 0;
    else
        m_result.wirelessType = int(byte.value);
    return true;
}

void BackupJob::Stop(const QString& reason)
{
    if (!IsRunning())
        return;
    if (m_inFlight < 0) {
        Abort(reason);
        return;
    }
    qCDebug(lcBackup) << "Backup Stops After Step" << m_inFlight;
    m_stopReason = reason;
}

QStringList BackupJob::WriteReport() const
{
    QStringList lines;
    for (int part = 0; part < KeyboardBackup::WirelessType; part++) {
        QStringList written;
        QString unsure;
        int steps = 0;
        for (int i = 0; i < m_steps.size(); i++) {
            const Step& step = m_steps.at(i);
            if (step.read || step.part != part)
                continue;
            steps++;
            if (m_written.contains(i))
                written.append(QString::number(step.index + 1));
            else if (i == m_inFlight)
                unsure = QString::number(step.index + 1);
        }
        const QString name = KeyboardBackup::PartName(part);
        if (steps == 0)
            continue;
        if (written.size() == steps)
            lines.append(tr("%1: now holds the backup's.").arg(name));
        else if (!written.isEmpty())
            lines.append(tr("%1: %2 now hold the backup's; the others are unchanged.")
                             .arg(name, written.join(QStringLiteral(", "))));
        else if (unsure.isEmpty())
            lines.append(tr("%1: unchanged.").arg(name));
        if (!unsure.isEmpty())
            lines.append(steps > 1 ? tr("%1: number %2 may be half written.").arg(name, unsure)
                                   : tr("%1: may be half written.").arg(name));
    }
    return lines;
}

void BackupJob::Abort(const QString& reason)
{
    if (!IsRunning())
        return;
    qCDebug(lcBackup) << "Backup Aborted" << m_next << reason;
    m_next = m_steps.size();
    m_client->Close();
    emit Finished(false, reason);
}
