#pragma once

#include "device/CommandIntent.h"
#include "device/DeviceTypes.h"
#include "device/Protocol.h"
#include "macro/KeyHookBackend.h"
#include "macro/MacroAction.h"
#include "macro/MacroKeyChooser.h"
#include "macro/MacroStore.h"

#include <QList>
#include <QPixmap>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class MacroDialog;
}
class KeyboardThread;
class QAction;
class QListWidgetItem;
class QMenu;
class QToolButton;

// The "Macro Setting" page: a view over the keyboard's 32 macros in a MacroStore. It records
// them from the keyboard through the recorder thread, edits them by hand (insert, move, delete,
// copy, clear, text to keys), undoes and redoes every edit, keeps them in files and exchanges
// them with the keyboard. Nothing but "Write Macro" sends a macro to the keyboard.
class MacroDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroDialog)

public:
    // Selected row of a macro before the user picks one.
    static constexpr tdu2 kNoSelection = 255;

    // What a macro command was sent for; it comes back with the keyboard's answer.
    struct Transfer
    {
        int macro = 0;
        // For a write: the actions it carried, which the keyboard holds once it confirms them.
        MacroStore::Actions actions;
    };

    explicit MacroDialog(QWidget* parent = nullptr);
    ~MacroDialog() override;

    // The keyboard's answer to a macro command this page sent, with the Transfer it was sent for.
    void RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len, const QVariant& context);

    MacroStore* Store() const
    {
        return m_store;
    }
    bool HasUnsavedEdits() const;
    // What the window asks before it closes with such macros.
    QString UnsavedEditsText() const;
    // Exports every macro to a file the user picks; false when nothing was saved.
    bool SaveUnsavedMacros();

    // Ends a recording in progress and gives the desktop its keyboard back; nothing when idle.
    void StopRecording();
    bool IsRecording() const
    {
        return m_recording;
    }
    // Recording takes only the keys typed into this program's windows (no system-wide capture).
    bool IsWindowOnlyRecording() const
    {
        return m_recording && m_windowOnly;
    }
    int CurrentMacro() const
    {
        return m_currentMacro;
    }
    QVector<MacroAction> Actions(int macro) const;
    KeyboardThread* HookThread() const
    {
        return m_hookThread.get();
    }

signals:
    void SendCmd(tdu1 id, tdu1* data, tdu2 length, const CommandIntent& intent = CommandIntent());
    void ResultShow(tdu1 status, QString text);
    // Emitted when the page comes to have unsaved macro edits and when it has none left.
    void UnsavedEditsChanged(bool unsaved);

private slots:
    void on_tbtnMacroRec_clicked();
    void tbtnMacro_clicked();
    void on_tbtnWriteMacro_clicked();
    void on_tbtnReadMacro_clicked();
    void on_lswMacro_customContextMenuRequested(const QPoint& pos);
    void on_lswMacro_itemClicked(QListWidgetItem* item);
    void delayItemChanged(QListWidgetItem* item);
    void on_lswMacro_itemDoubleClicked(QListWidgetItem* item);
    void onKeyAction(tdu1 action, tdu2 vkCode, tdu4 time);
    void itemDelete();
    void itemModify();
    void on_tbtnInsertKey_clicked();
    void on_tbtnInsertDelay_clicked();
    void on_tbtnMoveUp_clicked();
    void on_tbtnMoveDown_clicked();
    void on_tbtnDeleteAction_clicked();
    void on_tbtnTextToMacro_clicked();
    void on_tbtnClearMacro_clicked();
    void on_tbtnImportMacro_clicked();
    void on_tbtnMacroUndo_clicked();
    void on_tbtnMacroRedo_clicked();

protected:
    // While recording without system-wide capture: the keys typed into the program.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Leaving the page or closing the window ends a recording.
    void hideEvent(QHideEvent* event) override;

private:
    void SetupStyle();
    void CreateMacroButtons();
    void StartRecording();
    void RedrawList();
    void ShowMacro(int macro);
    void AppendRow(const MacroAction& action);
    void HighlightRow(int row);
    void RefreshCount();
    void EditDelayRow(QListWidgetItem* item);
    QString RowText(const MacroAction& action) const;
    static QString KeyText(tdu2 vk);
    QString WindowOnlyText(KeyHookError error) const;
    void HandleWriteReply(const Transfer& transfer, const tdu1* data, tdu2 len);
    void HandleReadReply(int macro, const tdu1* data, tdu2 len);

    // Editing by hand.
    void SetupEditing();
    void UpdateEditButtons();
    QString MacroName(int macro) const;
    // Says so and returns false when the shown macro has no room for count more actions.
    bool HasRoom(int count);
    // Inserts at the highlighted row (which stays highlighted) or at the end.
    void InsertActions(const QVector<MacroAction>& inserted);
    void InsertKey(MacroKeyChooser::Kind kind);
    void MoveSelected(int step);
    bool IsEditingDelay() const;
    void ClearHighlight();
    void FillCopyMenu();
    void CopyShownMacroTo(int target);
    // False when nothing was saved (dialog cancelled, file not written).
    bool ExportMacros(bool all);
    // Before a write: a macro that leaves keys down or releases keys it never pressed is pointed
    // out; returns whether to write.
    bool ConfirmKeyBalance();

    Ui::MacroDialog* ui;
    QList<QToolButton*> m_macroButtons;
    MacroStore* m_store;
    std::array<tdu2, Protocol::kMacroCount> m_selectedRow;
    tdu1 m_currentMacro = 0;
    tdu4 m_lastTick = 0;
    std::unique_ptr<KeyboardThread> m_hookThread;
    QListWidgetItem* m_editedItem = nullptr;
    bool m_recording = false;
    bool m_windowOnly = false;
    QPixmap m_delayIcon;
    QPixmap m_downIcon;
    QPixmap m_upIcon;
    QMenu* m_copyMenu = nullptr;
    QMenu* m_exportMenu = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
};

Q_DECLARE_METATYPE(MacroDialog::Transfer)
