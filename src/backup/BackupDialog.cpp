#include "backup/BackupDialog.h"

#include "ui_BackupDialog.h"

#include "backup/BackupFile.h"
#include "backup/BackupJob.h"
#include "backup/BackupLog.h"
#include "backup/RestoreCopies.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>

BackupDialog::BackupDialog(const KeyboardBackup& identity, DeviceSession* session, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::BackupDialog>())
    , m_job(new BackupJob(session, identity.keymapType, identity.rows, identity.cols, this))
    , m_identity(identity)
{
    m_ui->setupUi(this);
    m_ui->btnBackupRestore->hide();
    m_ui->btnBackupUndo->hide();
    connect(m_job, &BackupJob::Progress, this, [this](int done, int total) {
        m_ui->pbrBackup->setMaximum(total);
        m_ui->pbrBackup->setValue(done);
    });
    connect(m_job, &BackupJob::Finished, this, &BackupDialog::JobFinished);
}

BackupDialog::~BackupDialog() = default;

void BackupDialog::SetStage(Stage stage, const QString& text)
{
    m_stage = stage;
    m_ui->lblBackupStage->setText(text);
    // A restore half written is worse than one not begun: the write runs to its end.
    m_ui->btnBackupClose->setEnabled(stage != Stage::Write);
    m_ui->btnBackupClose->setText(stage == Stage::Done || stage == Stage::Preview ? tr("Close") : tr("Cancel"));
    m_ui->btnBackupRestore->setVisible(stage == Stage::Preview);
    m_ui->btnBackupUndo->setVisible(stage == Stage::Done && m_wrote && !m_copyPath.isEmpty());
}

void BackupDialog::AddLine(const QString& line)
{
    m_ui->lswBackupReport->addItem(line);
}

QStringList BackupDialog::Lines() const
{
    QStringList lines;
    for (int i = 0; i < m_ui->lswBackupReport->count(); i++)
        lines.append(m_ui->lswBackupReport->item(i)->text());
    return lines;
}

void BackupDialog::StartBackup(const QString& path)
{
    setWindowTitle(tr("Back Up Keyboard"));
    m_path = path;
    SetStage(Stage::Backup, tr("Reading the keymaps, macros and settings of %1…").arg(m_identity.model));
    m_job->Read();
}

void BackupDialog::StartRestore(const KeyboardBackup& backup, const QString& copiesFolder)
{
    setWindowTitle(tr("Restore Keyboard"));
    m_restored = backup;
    m_copiesFolder = copiesFolder;
    SetStage(Stage::Preview, tr("Reading %1 to compare it with the backup…").arg(m_identity.model));
    m_ui->btnBackupRestore->hide();
    m_job->Read();
}

void BackupDialog::on_btnBackupRestore_clicked()
{
    m_ui->lswBackupReport->clear();
    // Nothing is written before what the keyboard holds is safe in a file.
    m_before = m_job->ResultOf(m_identity);
    QString error;
    m_copyPath = RestoreCopies(m_copiesFolder).Save(m_before, &error);
    if (m_copyPath.isEmpty()) {
        SetStage(
            Stage::Done, tr("Nothing was written: what the keyboard holds could not be saved first. %1").arg(error));
        return;
    }
    AddLine(tr("What the keyboard held before is saved in %1.").arg(QDir::toNativeSeparators(m_copyPath)));
    WriteBackup(m_restored);
}

void BackupDialog::on_btnBackupUndo_clicked()
{
    m_ui->lswBackupReport->clear();
    AddLine(tr("Writing back what the keyboard held before, from %1.").arg(QDir::toNativeSeparators(m_copyPath)));
    WriteBackup(m_before);
}

void BackupDialog::WriteBackup(const KeyboardBackup& backup)
{
    m_restored = backup;
    m_refused.clear();
    m_verified = false;
    m_readBackWhole = false;
    const bool wroteBefore = m_wrote;
    m_wrote = true;
    SetStage(Stage::Write, tr("Writing the backup to %1…").arg(m_identity.model));
    m_job->Write(backup);
    // A backup refused before its first write leaves the keyboard as it was.
    if (!m_job->IsRunning() && !m_job->SentWrite()) {
        m_wrote = wroteBefore;
        SetStage(Stage::Done, m_ui->lblBackupStage->text());
    }
}

void BackupDialog::on_btnBackupClose_clicked()
{
    reject();
}

void BackupDialog::reject()
{
    if (m_stage == Stage::Write)
        return;
    m_job->Abort(tr("Cancelled."));
    QDialog::reject();
}

void BackupDialog::JobFinished(bool ok, const QString& error)
{
    if (!ok) {
        if (m_stage != Stage::Write) {
            SetStage(Stage::Done, tr("The keyboard could not be read: %1").arg(error));
            return;
        }
        // Exactly which parts are the backup's now, and where the way back is.
        for (const QString& line : m_job->WriteReport())
            AddLine(line);
        if (!m_copyPath.isEmpty())
            AddLine(tr("What the keyboard held before is saved in %1.").arg(QDir::toNativeSeparators(m_copyPath)));
        SetStage(Stage::Done, tr("The restore stopped: %1").arg(error));
        return;
    }
    switch (m_stage) {
    case Stage::Backup: {
        const KeyboardBackup backup = m_job->ResultOf(m_identity);
        QString saveError;
        QString savedTo;
        if (!BackupFile::Save(m_path, backup, &saveError, &savedTo)) {
            SetStage(Stage::Done, tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(m_path), saveError));
            return;
        }
        SetStage(Stage::Done,
            QFileInfo(savedTo).absoluteFilePath() == QFileInfo(m_path).absoluteFilePath()
                ? tr("Backed up to %1.").arg(QDir::toNativeSeparators(m_path))
                : tr("Backed up to %1, the file the link %2 points to.")
                      .arg(QDir::toNativeSeparators(savedTo), QDir::toNativeSeparators(m_path)));
        for (int part = 0; part < KeyboardBackup::PartCount; part++)
            AddLine(tr("%1: saved.").arg(KeyboardBackup::PartName(part)));
        return;
    }
    case Stage::Preview: {
        const QStringList differences = KeyboardBackup::Differences(m_job->Result(), m_restored);
        for (const QString& line : differences)
            AddLine(line);
        SetStage(Stage::Preview,
            differences.isEmpty() ? tr("The keyboard already holds this backup. Restore writes it again.")
                                  : tr("Restoring changes this on %1:").arg(m_identity.model));
        return;
    }
    case Stage::Write:
        m_refused = m_job->RefusedParts();
        SetStage(Stage::Verify, tr("Reading %1 back to verify it…").arg(m_identity.model));
        m_job->Read();
        return;
    case Stage::Verify:
        FinishVerify();
        return;
    case Stage::Done:
        return;
    }
}

const KeyboardBackup& BackupDialog::ReadBack() const
{
    return m_job->Result();
}

void BackupDialog::FinishVerify()
{
    m_readBackWhole = true;
    int verified = 0;
    const QVector<KeyboardBackup::Outcome> outcomes = KeyboardBackup::Verify(m_restored, m_refused, m_job->Result());
    for (int part = 0; part < outcomes.size(); part++) {
        verified += outcomes.at(part) == KeyboardBackup::Outcome::Verified ? 1 : 0;
        AddLine(KeyboardBackup::OutcomeText(part, outcomes.at(part)));
    }
    AddLine(
        tr("%1: not written; it is the keyboard's own.").arg(KeyboardBackup::PartName(KeyboardBackup::WirelessType)));
    m_verified = verified == KeyboardBackup::WirelessType;
    qCDebug(lcBackup) << "Restore Verified" << verified;
    SetStage(Stage::Done,
        m_verified
            ? tr("Restored and verified.")
            : tr("%1 of %2 parts were restored and verified.").arg(verified).arg(int(KeyboardBackup::WirelessType)));
}
