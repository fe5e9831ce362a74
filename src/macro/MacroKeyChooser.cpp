#include "macro/MacroKeyChooser.h"

#include "ui_MacroKeyChooser.h"

#include "codec/MacroKeyTable.h"
#include "macro/KeyEventVk.h"

#include <QAction>
#include <QKeyEvent>
#include <QSet>
#include <QToolButton>

namespace {
constexpr tdu2 kVkKeypad0 = 0x60;
constexpr tdu2 kVkKeypad9 = 0x69;

// The key list's own role for a row's virtual-key code.
constexpr int kVkRole = Qt::UserRole;

QString Hex(uint code)
{
    return QString::number(code, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}
} // namespace

MacroKeyChooser::MacroKeyChooser(Kind kind, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::MacroKeyChooser)
{
    ui->setupUi(this);
    ui->rdbKeyTap->setChecked(kind == Kind::Tap);
    ui->rdbKeyDown->setChecked(kind == Kind::Down);
    ui->rdbKeyUp->setChecked(kind == Kind::Up);
    ui->ldtKeyPress->installEventFilter(this);
    // Screen readers name the search's clear button by what it does.
    for (QToolButton* button : ui->ldtKeySearch->findChildren<QToolButton*>()) {
        if (button->defaultAction()
            && button->defaultAction()->objectName() == QLatin1String("_q_qlineeditclearaction"))
            button->setAccessibleName(tr("Clear the search"));
    }
    FillKeys();
    UpdateInsert();
    // Opens ready for the key to be pressed.
    ui->ldtKeyPress->setFocus(Qt::OtherFocusReason);
}

MacroKeyChooser::~MacroKeyChooser()
{
    delete ui;
}

void MacroKeyChooser::FillKeys()
{
    // One row per key the macro list names; the table's second Enter plays as the first.
    const MacroKeyTable& table = MacroKeyTable::Instance();
    QSet<tdu2> listed;
    for (const MacroKeyTable::Entry& entry : table.Entries()) {
        if (listed.contains(entry.vk))
            continue;
        listed.insert(entry.vk);
        const QString name = table.KeyName(entry.vk);
        // The description only where it says more than the name (a translation may say the same).
        const QString description = KeyDescription(entry.vk);
        auto* item = new QListWidgetItem(description.isEmpty() || name.startsWith(description)
                ? name
                : QStringLiteral("%1    %2").arg(name, description),
            ui->lswKeys);
        item->setData(kVkRole, entry.vk);
        item->setToolTip(tr("Virtual-key code 0x%1, HID usage 0x%2").arg(Hex(entry.vk), Hex(table.VkToHid(entry.vk))));
    }
}

QString MacroKeyChooser::KeyDescription(tdu2 vk)
{
    if (vk >= kVkKeypad0 && vk <= kVkKeypad9)
        return tr("Keypad %1").arg(vk - kVkKeypad0);
    switch (vk) {
    case 0x6B:
        return tr("Keypad %1").arg(QLatin1Char('+'));
    case 0x6D:
        return tr("Keypad %1").arg(QLatin1Char('-'));
    case 0x6A:
        return tr("Keypad %1").arg(QLatin1Char('*'));
    case 0x6F:
        return tr("Keypad %1").arg(QLatin1Char('/'));
    case 0x6E:
        return tr("Keypad %1").arg(QLatin1Char('.'));
    case 0x25:
        return tr("Left Arrow");
    case 0x26:
        return tr("Up Arrow");
    case 0x27:
        return tr("Right Arrow");
    case 0x28:
        return tr("Down Arrow");
    default:
        return QString();
    }
}

MacroKeyChooser::Kind MacroKeyChooser::ChosenKind() const
{
    if (ui->rdbKeyDown->isChecked())
        return Kind::Down;
    if (ui->rdbKeyUp->isChecked())
        return Kind::Up;
    return Kind::Tap;
}

tdu2 MacroKeyChooser::ChosenKey() const
{
    const QListWidgetItem* item = ui->lswKeys->currentItem();
    if (item == nullptr || item->isHidden())
        return 0;
    return tdu2(item->data(kVkRole).toUInt());
}

QVector<MacroAction> MacroKeyChooser::Actions() const
{
    const tdu2 vk = ChosenKey();
    if (vk == 0)
        return {};
    switch (ChosenKind()) {
    case Kind::Down:
        return {{MacroAction::kKeyDown, vk}};
    case Kind::Up:
        return {{MacroAction::kKeyUp, vk}};
    case Kind::Tap:
        break;
    }
    return {{MacroAction::kKeyDown, vk}, {MacroAction::kKeyUp, vk}};
}

bool MacroKeyChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ui->ldtKeyPress)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Every key is the key to choose here, Tab, Esc and Enter included.
        event->accept();
        return true;
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->isAutoRepeat())
            return true;
        const tdu2 vk = KeyEventVk::Of(*key);
        if (MacroKeyTable::Instance().Contains(vk)) {
            ChooseKey(vk);
            // One key per press: the keys work as usual again, so Enter now inserts it.
            ui->lswKeys->setFocus(Qt::OtherFocusReason);
        } else {
            ui->lblKeyNote->setText(vk == 0
                    ? tr("This key is not one the keyboard can play.")
                    : tr("%1 is not a key the keyboard can play.").arg(MacroKeyTable::ForeignKeyName(vk)));
        }
        return true;
    }
    case QEvent::KeyRelease:
        return true;
    case QEvent::FocusIn:
        ui->ldtKeyPress->clear();
        ui->ldtKeyPress->setPlaceholderText(tr("Press the key now"));
        break;
    case QEvent::FocusOut:
        ui->ldtKeyPress->setPlaceholderText(tr("Click here and press the key"));
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void MacroKeyChooser::ChooseKey(tdu2 vk)
{
    // A pressed key is shown even when the search would hide it.
    if (!ui->ldtKeySearch->text().isEmpty())
        ui->ldtKeySearch->clear();
    for (int i = 0; i < ui->lswKeys->count(); i++) {
        QListWidgetItem* item = ui->lswKeys->item(i);
        if (item->data(kVkRole).toUInt() == vk) {
            ui->lswKeys->setCurrentItem(item);
            ui->lswKeys->scrollToItem(item);
            break;
        }
    }
    ui->ldtKeyPress->setText(MacroKeyTable::Instance().KeyName(vk));
}

void MacroKeyChooser::on_ldtKeySearch_textChanged(const QString& text)
{
    const QString wanted = text.trimmed();
    QListWidgetItem* firstShown = nullptr;
    for (int i = 0; i < ui->lswKeys->count(); i++) {
        QListWidgetItem* item = ui->lswKeys->item(i);
        const bool shown = wanted.isEmpty() || item->text().contains(wanted, Qt::CaseInsensitive);
        item->setHidden(!shown);
        if (shown && firstShown == nullptr)
            firstShown = item;
    }
    QListWidgetItem* current = ui->lswKeys->currentItem();
    if (!wanted.isEmpty() && (current == nullptr || current->isHidden()))
        ui->lswKeys->setCurrentItem(firstShown);
    ui->lblKeyNote->setText(firstShown == nullptr ? tr("No key matches \"%1\".").arg(wanted) : QString());
    UpdateInsert();
}

void MacroKeyChooser::on_lswKeys_currentItemChanged(QListWidgetItem* current, QListWidgetItem* previous)
{
    Q_UNUSED(previous)
    if (current != nullptr)
        ui->lblKeyNote->clear();
    UpdateInsert();
}

void MacroKeyChooser::on_lswKeys_itemDoubleClicked(QListWidgetItem* item)
{
    ui->lswKeys->setCurrentItem(item);
    on_btnInsert_clicked();
}

void MacroKeyChooser::on_btnInsert_clicked()
{
    if (ChosenKey() != 0)
        accept();
}

void MacroKeyChooser::on_btnCancel_clicked()
{
    reject();
}

void MacroKeyChooser::UpdateInsert()
{
    ui->btnInsert->setEnabled(ChosenKey() != 0);
}
