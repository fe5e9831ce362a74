#pragma once

#include "codec/MacroAction.h"
#include "device/DeviceTypes.h"

#include <QDialog>
#include <QVector>

namespace Ui {
class MacroKeyChooser;
}
class QListWidgetItem;

// Chooses one key of the macro key table, and whether it goes down, up or both, for the macro
// page to insert: from a list the user can search, or by pressing the key itself while the
// press field is chosen (taken by its place on the keyboard, as recording takes it).
class MacroKeyChooser final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroKeyChooser)

public:
    enum class Kind {
        Tap,
        Down,
        Up,
    };

    explicit MacroKeyChooser(Kind kind, QWidget* parent = nullptr);
    ~MacroKeyChooser() override;

    Kind ChosenKind() const;
    // 0 while no key is chosen.
    tdu2 ChosenKey() const;
    // What the choice inserts: key down and key up for a tap, else the one action.
    QVector<MacroAction> Actions() const;

    // An English description of keys whose table name does not say what they are in English.
    static QString KeyDescription(tdu2 vk);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void on_ldtKeySearch_textChanged(const QString& text);
    void on_lswKeys_currentItemChanged(QListWidgetItem* current, QListWidgetItem* previous);
    void on_lswKeys_itemDoubleClicked(QListWidgetItem* item);
    void on_btnInsert_clicked();
    void on_btnCancel_clicked();

private:
    void FillKeys();
    void ChooseKey(tdu2 vk);
    void UpdateInsert();

    Ui::MacroKeyChooser* ui;
};
