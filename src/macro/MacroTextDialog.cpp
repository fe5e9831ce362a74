#include "macro/MacroTextDialog.h"

#include "ui_MacroTextDialog.h"

#include "macro/MacroTextConverter.h"

MacroTextDialog::MacroTextDialog(const QString& macroName, int room, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::MacroTextDialog)
    , m_macroName(macroName)
    , m_room(room)
{
    ui->setupUi(this);
    ui->spbTextDelay->setRange(MacroAction::kMinDelay, MacroAction::kMaxDelay);
    Convert();
    ui->txtMacroText->setFocus(Qt::OtherFocusReason);
}

MacroTextDialog::~MacroTextDialog()
{
    delete ui;
}

QVector<MacroAction> MacroTextDialog::Actions() const
{
    return m_actions;
}

void MacroTextDialog::Convert()
{
    const tdu2 delay = ui->ckbTextDelay->isChecked() ? tdu2(ui->spbTextDelay->value()) : 0;
    const MacroTextConverter::Result result = MacroTextConverter::Convert(ui->txtMacroText->toPlainText(), delay);
    QString problem;
    if (!result.refused.isEmpty()) {
        problem = tr("These characters cannot be typed: %1. Remove them to insert the text.")
                      .arg(result.refused.join(QStringLiteral(", ")));
    } else if (result.actions.size() > m_room) {
        problem = tr("The text takes %1 actions, but %2 has room for only %3 more (a macro holds at most 120).")
                      .arg(result.actions.size())
                      .arg(m_macroName)
                      .arg(m_room);
    }
    m_actions = problem.isEmpty() ? result.actions : QVector<MacroAction>();
    QPalette palette = ui->lblTextResult->palette();
    palette.setColor(QPalette::WindowText, problem.isEmpty() ? QColor(Qt::black) : QColor(Qt::red));
    ui->lblTextResult->setPalette(palette);
    if (!problem.isEmpty())
        ui->lblTextResult->setText(problem);
    else if (m_actions.isEmpty())
        ui->lblTextResult->setText(tr("%1 has room for %2 more actions.").arg(m_macroName).arg(m_room));
    else
        ui->lblTextResult->setText(tr("The text takes %1 of the %2 actions %3 has room for.")
                                       .arg(m_actions.size())
                                       .arg(m_room)
                                       .arg(m_macroName));
    ui->btnTextInsert->setEnabled(!m_actions.isEmpty());
}

void MacroTextDialog::on_txtMacroText_textChanged()
{
    Convert();
}

void MacroTextDialog::on_ckbTextDelay_toggled(bool checked)
{
    ui->spbTextDelay->setEnabled(checked);
    Convert();
}

void MacroTextDialog::on_spbTextDelay_valueChanged(int value)
{
    Q_UNUSED(value)
    Convert();
}

void MacroTextDialog::on_btnTextInsert_clicked()
{
    if (!m_actions.isEmpty())
        accept();
}

void MacroTextDialog::on_btnTextCancel_clicked()
{
    reject();
}
