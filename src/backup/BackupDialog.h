#pragma once

#include "backup/KeyboardBackup.h"

#include <QDialog>
#include <QSet>
#include <QStringList>

#include <memory>

namespace Ui {
class BackupDialog;
}
class BackupJob;
class DeviceSession;

// Backs up or restores the whole keyboard from the window: progress while the job runs, before a
// restore what it would change, and after it which parts were written and verified.
class BackupDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(BackupDialog)

public:
    // identity names the keyboard (model, product ID, keymap type, grid) the backup is of; the job
    // talks to it through session.
    BackupDialog(const KeyboardBackup& identity, DeviceSession* session, QWidget* parent = nullptr);
    ~BackupDialog() override;

    // The job that reads or writes the keyboard.
    BackupJob* Job() const
    {
        return m_job;
    }
    // Reads the keyboard into the file at path.
    void StartBackup(const QString& path);
    // Reads the keyboard and shows what writing backup changes; "Restore" then saves what the
    // keyboard holds into a copy in copiesFolder and writes the backup; "Undo restore" writes the
    // copy back.
    void StartRestore(const KeyboardBackup& backup, const QString& copiesFolder);
    // The copy of what the keyboard held before the restore, once saved.
    const QString& CopyPath() const
    {
        return m_copyPath;
    }
    // The lines the dialog shows.
    QStringList Lines() const;
    // The restore ended with every part written and verified.
    bool Verified() const
    {
        return m_verified;
    }
    // Some part was written: the keyboard no longer holds what it held before.
    bool Wrote() const
    {
        return m_wrote;
    }
    // What the keyboard held when the restore was read back; whole only when the read-back was.
    const KeyboardBackup& ReadBack() const;
    bool ReadBackWhole() const
    {
        return m_readBackWhole;
    }

private slots:
    void on_btnBackupRestore_clicked();
    void on_btnBackupUndo_clicked();
    void on_btnBackupClose_clicked();
    void JobFinished(bool ok, const QString& error);

protected:
    void reject() override;

private:
    enum class Stage {
        Backup,
        Preview,
        Write,
        Verify,
        Done,
    };

    void SetStage(Stage stage, const QString& text);
    void AddLine(const QString& line);
    void FinishVerify();
    void WriteBackup(const KeyboardBackup& backup);

    std::unique_ptr<Ui::BackupDialog> m_ui;
    BackupJob* m_job;
    KeyboardBackup m_identity;
    KeyboardBackup m_restored;
    // What the keyboard held before the restore, as saved in m_copyPath.
    KeyboardBackup m_before;
    QString m_copiesFolder;
    QString m_copyPath;
    QString m_path;
    Stage m_stage = Stage::Done;
    QSet<int> m_refused;
    bool m_verified = false;
    bool m_wrote = false;
    bool m_readBackWhole = false;
};
