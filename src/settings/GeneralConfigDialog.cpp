#include "settings/GeneralConfigDialog.h"

#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "ui/IconHelper.h"
#include "ui_GeneralConfigDialog.h"

namespace {
// Caption a key shows for its indicator function; functions without one show nothing.
QString ILedCaption(tdu1 code)
{
    static const QStringList captions = {
        QString(),
        QStringLiteral("Caps\nLock"),
        QStringLiteral("Scroll\nLock"),
        QStringLiteral("Num\nLock"),
        QStringLiteral("Layer1\n"),
        QStringLiteral("Layer2\n"),
        QStringLiteral("Layer3\n"),
        QStringLiteral("Layer4\n"),
        QStringLiteral("BLE1\n"),
        QStringLiteral("BLE2\n"),
        QStringLiteral("BLE3\n"),
        QStringLiteral("2.4G\n"),
        QStringLiteral("Keymap1\n"),
        QStringLiteral("Keymap2\n"),
        QStringLiteral("Keymap3\n"),
        QStringLiteral("Keymap4\n"),
        QStringLiteral("Unif\nying1"),
        QStringLiteral("Unif\nying2"),
        QStringLiteral("Unif\nying3"),
    };
    return code < captions.size() ? captions.at(code) : QString();
}

// Panels sit at explicit geometries inside their containers, without a layout.
void PlacePannel(QWidget* container, KeyPannel* pannel)
{
    pannel->setParent(container);
    container->setGeometry(0, 0, pannel->PannelWidth(), pannel->PannelHeight());
    pannel->setGeometry(0, 0, pannel->PannelWidth(), pannel->PannelHeight());
    pannel->show();
}
} // namespace

GeneralConfigDialog::GeneralConfigDialog(QWidget* parent)
    : QWidget(parent)
    , m_lengthPannel(new KeyPannel)
    , m_iledPannel(new KeyPannel)
    , ui(new Ui::GeneralConfigDialog)
{
    ui->setupUi(this);
    m_lengthPannel->setParent(ui->wdgLengthKeyPannel);
    m_iledPannel->setParent(ui->wdgILedKeyPannel);

    ui->wgdNavLeft->setProperty("flag", QStringLiteral("left"));
    IconHelper::NavStyleLeft(ui->wgdNavLeft, 3, QStringLiteral("#029FEA"), QStringLiteral("#292F38"),
        QStringLiteral("#1D2025"), QStringLiteral("#54626F"), QStringLiteral("#FDFDFD"));
    m_navButtons = {ui->tbtnDevice, ui->tbtnGeneral, ui->tbtnILedConfig, ui->tbtnHide};
    for (QAbstractButton* button : qAsConst(m_navButtons)) {
        button->setCheckable(true);
        connect(button, &QAbstractButton::clicked, this, &GeneralConfigDialog::tbtnGenConfigClicked);
    }
    setStyleSheet(QStringLiteral("QWidget#wdgSpilter{background:#090909;}QWidget#wgdNavLeft{background:#292F38;}"
                                 "QPushButton{background:#292F38;border-style:outset;border-width:2px;"
                                 "border-radius:5px;border-color:#000000;color:#54626F;padding:5px;}"
                                 "QPushButton:hover,QPushButton:pressed{background:#1D2025;color:#FDFDFD;}"));
    ui->tbtnDevice->click();
}

GeneralConfigDialog::~GeneralConfigDialog()
{
    delete ui;
}

void GeneralConfigDialog::SetFirmwareUrl(const QString& url)
{
    m_firmwareUrl = url;
}

void GeneralConfigDialog::SetKeyboardType(tdu1 type)
{
    m_keyboardType = type;
}

void GeneralConfigDialog::SetILedDefault(tdu1 row, tdu1 col, tdu1 code)
{
    if (m_iledPannel->IsKeyCheckable(row, col))
        m_iledMap[row][col] = code;
}

tdu1 GeneralConfigDialog::ILedCode(tdu1 row, tdu1 col) const
{
    if (row >= Protocol::kMaxRows || col >= Protocol::kMaxCols)
        return 0;
    return m_iledMap[row][col];
}

void GeneralConfigDialog::InitKeyPannels()
{
    PlacePannel(ui->wdgILedKeyPannel, m_iledPannel);
    PlacePannel(ui->wdgLengthKeyPannel, m_lengthPannel);
    m_iledPannel->BuildPannel();
    m_lengthPannel->BuildPannel();
    connect(m_iledPannel, &KeyPannel::KeyCapClicked, this, &GeneralConfigDialog::ILedPannelKeyCapClicked);
    RefreshILedPannel();
    RefreshLengthPannel();
}

void GeneralConfigDialog::RefreshLengthPannel()
{
    for (tdu1 row = 0; row < m_lengthPannel->RowNum(); row++) {
        for (tdu1 col = 0; col < m_lengthPannel->ColNum(); col++) {
            if (KeyCap* cap = m_lengthPannel->IsKeyValid(row, col) ? m_lengthPannel->Cap(row, col) : nullptr)
                cap->SetCaption(cap->KeySizeName(), false);
        }
    }
}

void GeneralConfigDialog::RefreshILedPannel()
{
    for (tdu1 row = 0; row < m_iledPannel->RowNum(); row++) {
        for (tdu1 col = 0; col < m_iledPannel->ColNum(); col++) {
            KeyCap* cap = m_iledPannel->Cap(row, col);
            if (!cap || !m_iledPannel->IsKeyValid(row, col) || !m_iledPannel->IsKeyCheckable(row, col))
                continue;
            cap->SetCaption(ILedCaption(m_iledMap[row][col]), false);
            cap->SetChecked(false);
        }
    }
    if (m_iledPannel->IsKeyValid(m_iledSelRow, m_iledSelCol) && m_iledPannel->Cap(m_iledSelRow, m_iledSelCol))
        m_iledPannel->Cap(m_iledSelRow, m_iledSelCol)->SetChecked(true);
}

void GeneralConfigDialog::ILedPannelKeyCapClicked(tdu1 row, tdu1 col)
{
    if (!m_iledPannel->IsKeyCheckable(row, col))
        return;
    m_iledSelRow = row;
    m_iledSelCol = col;
    RefreshILedPannel();
}

void GeneralConfigDialog::tbtnGenConfigClicked()
{
    for (int i = 0; i < m_navButtons.size(); i++) {
        QAbstractButton* button = m_navButtons.at(i);
        const bool current = button == sender();
        button->setChecked(current);
        if (current)
            ui->skwGeneralConfig->setCurrentIndex(i);
    }
}

void GeneralConfigDialog::RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len)
{
    Q_UNUSED(cmd)
    Q_UNUSED(data)
    Q_UNUSED(len)
}
