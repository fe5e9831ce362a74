#include "settings/ILedAssignment.h"

#include "layout/KeyCap.h"
#include "layout/KeyPannel.h"
#include "settings/ILedFunction.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QWidget>

#include <algorithm>

namespace {
struct FunctionButton
{
    const char* button;
    ILedFunction::Code code;
    // The keymap indicators explain themselves and carry no tip.
    const char* tip;
};

const FunctionButton kFunctionButtons[] = {
    {"btnILedClear", ILedFunction::None, QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Null Indicator")},
    {"btnILedCapsLock", ILedFunction::CapsLock,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As CapsLock Indicator")},
    {"btnILedScrollLock", ILedFunction::ScrollLock,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As ScrollLock Indicator")},
    {"btnILedNumLock", ILedFunction::NumLock,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As NumLock Indicator")},
    {"btnILedLayer0", ILedFunction::Layer1, QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Layer1 Indicator")},
    {"btnILedLayer1", ILedFunction::Layer2, QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Layer2 Indicator")},
    {"btnILedLayer2", ILedFunction::Layer3, QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Layer3 Indicator")},
    {"btnILedLayer3", ILedFunction::Layer4, QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Layer4 Indicator")},
    {"tbtnILedBle1", ILedFunction::Ble1,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Ble Device 1 Indicator")},
    {"tbtnILedBle2", ILedFunction::Ble2,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Ble Device 2 Indicator")},
    {"tbtnILedBle3", ILedFunction::Ble3,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Ble Device 3 Indicator")},
    {"tbtnILedZrf", ILedFunction::Zrf, QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As 2.4G Device Indicator")},
    {"btnILedKeymap0", ILedFunction::Keymap1, nullptr},
    {"btnILedKeymap1", ILedFunction::Keymap2, nullptr},
    {"btnILedKeymap2", ILedFunction::Keymap3, nullptr},
    {"btnILedKeymap3", ILedFunction::Keymap4, nullptr},
    {"tbtnILedUnifying1", ILedFunction::Unifying1,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Unifying Device 1 Indicator")},
    {"tbtnILedUnifying2", ILedFunction::Unifying2,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Unifying Device 2 Indicator")},
    {"tbtnILedUnifying3", ILedFunction::Unifying3,
        QT_TRANSLATE_NOOP("ILedAssignment", "Set Current Led As Unifying Device 3 Indicator")},
};
} // namespace

ILedAssignment::ILedAssignment(KeyPannel* pannel, QWidget* functions, QObject* parent)
    : QObject(parent)
    , m_pannel(pannel)
    , m_functions(new QButtonGroup(this))
{
    m_functions->setExclusive(false);
    SetupFunctionButtons(functions);
    connect(m_functions, &QButtonGroup::idClicked, this, &ILedAssignment::Assign);
}

void ILedAssignment::SetupFunctionButtons(QWidget* functions)
{
    for (const FunctionButton& entry : kFunctionButtons) {
        auto* button = functions->findChild<QAbstractButton*>(QLatin1String(entry.button));
        if (!button)
            continue;
        m_functions->addButton(button, entry.code);
        if (entry.tip)
            button->setToolTip(tr(entry.tip));
    }
}

void ILedAssignment::SetDefault(tdu1 row, tdu1 col, tdu1 code)
{
    if (m_pannel->IsKeyCheckable(row, col))
        m_map[row][col] = code;
}

tdu1 ILedAssignment::Code(tdu1 row, tdu1 col) const
{
    if (row >= Protocol::kMaxRows || col >= Protocol::kMaxCols)
        return 0;
    return m_map[row][col];
}

void ILedAssignment::Init()
{
    connect(m_pannel, &KeyPannel::KeyCapClicked, this, &ILedAssignment::Select);
    MarkLedKeys();
    Refresh();
}

void ILedAssignment::MarkLedKeys()
{
    // Only keys with an indicator LED take a function: they are outlined, the others are dimmed
    // and left out of the Tab order.
    for (tdu1 row = 0; row < m_pannel->RowNum(); row++) {
        for (tdu1 col = 0; col < m_pannel->ColNum(); col++) {
            KeyCap* cap = m_pannel->IsKeyValid(row, col) ? m_pannel->Cap(row, col) : nullptr;
            if (!cap)
                continue;
            const bool led = m_pannel->IsKeyCheckable(row, col);
            cap->SetMarked(led);
            cap->setEnabled(led);
            cap->setToolTip(led ? tr("This key has an indicator LED: choose it, then its function below") : QString());
        }
    }
}

void ILedAssignment::Refresh()
{
    for (tdu1 row = 0; row < m_pannel->RowNum(); row++) {
        for (tdu1 col = 0; col < m_pannel->ColNum(); col++) {
            KeyCap* cap = m_pannel->Cap(row, col);
            if (!cap || !m_pannel->IsKeyValid(row, col) || !m_pannel->IsKeyCheckable(row, col))
                continue;
            cap->SetCaption(ILedFunction::KeyCaption(m_map[row][col]), false);
            cap->SetChecked(false);
        }
    }
    if (m_pannel->IsKeyValid(m_selRow, m_selCol) && m_pannel->Cap(m_selRow, m_selCol))
        m_pannel->Cap(m_selRow, m_selCol)->SetChecked(true);
}

QByteArray ILedAssignment::Block() const
{
    QByteArray block;
    for (int row = 0; row < m_pannel->RowNum(); row++)
        block.append(reinterpret_cast<const char*>(m_map[row]), m_pannel->ColNum());
    return block;
}

void ILedAssignment::SetBlock(const QByteArray& block)
{
    const int rows = m_pannel->RowNum();
    const int cols = m_pannel->ColNum();
    if (block.size() != rows * cols)
        return;
    for (int row = 0; row < rows; row++)
        std::copy_n(block.constData() + row * cols, cols, reinterpret_cast<char*>(m_map[row]));
    Refresh();
}

void ILedAssignment::Select(tdu1 row, tdu1 col)
{
    if (!m_pannel->IsKeyCheckable(row, col))
        return;
    m_selRow = row;
    m_selCol = col;
    Refresh();
}

void ILedAssignment::Assign(int code)
{
    if (!m_pannel->IsKeyCheckable(m_selRow, m_selCol))
        return;
    m_map[m_selRow][m_selCol] = tdu1(code);
    Refresh();
}
