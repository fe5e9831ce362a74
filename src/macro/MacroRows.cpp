#include "macro/MacroRows.h"

#include "codec/MacroKeyTable.h"
#include "ui/IconHelper.h"

#include <QListWidget>
#include <QSignalBlocker>

namespace {
// Row icons: FontAwesome clock, arrow down and arrow up, 10 x 10 in black.
constexpr ushort kGlyphDelay = 0xF017;
constexpr ushort kGlyphDown = 0xF063;
constexpr ushort kGlyphUp = 0xF062;
constexpr int kRowIconSize = 10;
const char* const kRowIconColor = "#000000";

const QColor kHighlight(135, 206, 225);
const QColor kNoHighlight(0, 0, 0, 0);

QPixmap RowIcon(ushort glyph)
{
    return IconHelper::Instance()->GetPixmap(
        QString::fromLatin1(kRowIconColor), glyph, kRowIconSize, kRowIconSize, kRowIconSize);
}
} // namespace

MacroRows::MacroRows(QListWidget* list)
    : m_list(list)
    , m_delayIcon(RowIcon(kGlyphDelay))
    , m_downIcon(RowIcon(kGlyphDown))
    , m_upIcon(RowIcon(kGlyphUp))
{ }

void MacroRows::Show(const QVector<MacroAction>& actions, int chosen)
{
    // Filling and colouring rows changes items; those changes are no delay edits.
    const QSignalBlocker blocker(m_list);
    m_list->clear();
    for (const MacroAction& action : actions)
        Append(action);
    if (chosen >= 0 && chosen < m_list->count())
        m_list->item(chosen)->setBackground(kHighlight);
}

void MacroRows::Append(const MacroAction& action)
{
    const QPixmap& icon = action.type == MacroAction::kDelay
        ? m_delayIcon
        : (action.type == MacroAction::kKeyDown ? m_downIcon : m_upIcon);
    auto* item = new QListWidgetItem(QIcon(icon), RowText(action));
    // The icon alone tells a press from a release.
    item->setData(Qt::AccessibleTextRole, Sentence(action));
    m_list->addItem(item);
}

bool MacroRows::Highlight(int row)
{
    if (row < 0 || row >= m_list->count())
        return false;
    const QSignalBlocker blocker(m_list);
    for (int i = 0; i < m_list->count(); i++)
        m_list->item(i)->setBackground(i == row ? kHighlight : kNoHighlight);
    return true;
}

void MacroRows::ClearHighlight()
{
    const QSignalBlocker blocker(m_list);
    for (int i = 0; i < m_list->count(); i++)
        m_list->item(i)->setBackground(kNoHighlight);
}

QString MacroRows::MacroName(int macro)
{
    return tr("Macro") + QString::number(macro + 1);
}

QString MacroRows::RowText(const MacroAction& action)
{
    if (action.type == MacroAction::kDelay)
        return QString::number(action.value) + QStringLiteral("ms");
    if (MacroKeyTable::Instance().Contains(action.value))
        return MacroKeyTable::Instance().KeyName(action.value);
    return tr("%1 (cannot be played)").arg(KeyText(action.value));
}

QString MacroRows::Sentence(const MacroAction& action)
{
    if (action.type == MacroAction::kDelay)
        return tr("wait %1 ms").arg(action.value);
    return (action.type == MacroAction::kKeyDown ? tr("press %1") : tr("release %1")).arg(RowText(action));
}

QString MacroRows::KeyText(tdu2 vk)
{
    if (vk == 0)
        return tr("Unknown key");
    const QString name = MacroKeyTable::Instance().KeyName(vk);
    return name.isEmpty() ? MacroKeyTable::ForeignKeyName(vk) : name;
}
