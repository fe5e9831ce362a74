#include "backup/BackupDialog.h"

#include "ui_BackupDialog.h"

#include "backup/BackupFile.h"
#include "backup/BackupJob.h"
#include "backup/BackupLog.h"

#include <QDir>
#include <QPushButton>

BackupDialog::BackupDialog(const KeyboardBackup& identity, DeviceSession* session, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::BackupDialog>())
    , m_job(new BackupJob(session, identity.keymapType, identity.rows, identity.cols, this))
    , m_identity(identity)
{
    m_ui->setupUi(this);
    m_ui->btnBackupRestore->hide();
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

void BackupDialog::StartRestore(const KeyboardBackup& backup)
{
    setWindowTitle(tr("Restore Keyboard"));
    m_restored = backup;
    SetStage(Stage::Preview, tr("Reading %1 to compare it with the backup…").arg(m_identity.model));
    m_ui->btnBackupRestore->hide();
    m_job->Read();
}

void BackupDialog::on_btnBackupRestore_clicked()
{
    m_ui->lswBackupReport->clear();
    SetStage(Stage::Write, tr("Writing the backup to %1…").arg(m_identity.model));
    m_wrote = true;
    m_job->Write(m_restored);
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
        const Stage stage = m_stage;
        SetStage(Stage::Done,
            stage == Stage::Write ? tr("The restore stopped: %1 Parts may be half written; restore again.").arg(error)
                                  : tr("The keyboard could not be read: %1").arg(error));
        return;
    }
    switch (m_stage) {
    case Stage::Backup: {
        KeyboardBackup backup = m_job->Result();
        backup.model = m_identity.model;
        backup.productId = m_identity.productId;
        backup.program = m_identity.program;
        backup.date = QDateTime::currentDateTimeUtc();
        QString saveError;
        if (!BackupFile::Save(m_path, backup, &saveError)) {
            SetStage(Stage::Done, tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(m_path), saveError));
            return;
        }
        SetStage(Stage::Done, tr("Backed up to %1.").arg(QDir::toNativeSeparators(m_path)));
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
