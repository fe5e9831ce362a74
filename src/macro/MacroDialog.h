#pragma once

#include "codec/MacroAction.h"
#include "device/DeviceTypes.h"
#include "device/Protocol.h"
#include "macro/MacroFiles.h"
#include "macro/MacroKeyChooser.h"
#include "macro/MacroStore.h"

#include <QList>
#include <QVector>
#include <QWidget>

#include <array>
#include <memory>

namespace Ui {
class MacroDialog;
}
class CommandClient;
class KeyCaptureService;
class KeyboardModel;
class MacroDelayEdit;
class MacroEditTools;
class MacroRecorder;
class MacroRows;
class MacroTransfer;
class QAction;
class QListWidgetItem;
class ChoiceRow;
class QToolButton;

// The "Macro Setting" page: a view over the keyboard's 32 macros in a MacroStore. It records
// them from the keyboard, edits them by hand (insert, move, delete, copy, clear, text to keys),
// undoes and redoes every edit, keeps them in files and exchanges them with the keyboard through
// its command client. Nothing but "Write Macro" sends a macro to the keyboard.
class MacroDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MacroDialog)

public:
    // Selected row of a macro before the user picks one.
    static constexpr tdu2 kNoSelection = 255;

    explicit MacroDialog(QWidget* parent = nullptr);
    ~MacroDialog() override;

    // The page's way to the keyboard; without one, writes and reads say the page is a demo's.
    void SetClient(CommandClient* client);
    // What the keyboard holds, shared with the window; without it the page keeps its own.
    void SetModel(KeyboardModel* model);
    KeyboardModel* Model() const;
    // The window's keyboard capture, shared with the key tester; without it the page keeps its own.
    void SetCaptureService(KeyCaptureService* service);
    KeyCaptureService* CaptureService() const;
    // The keyboard's macros were replaced (a restore): edits are dropped, or kept when the user
    // asks to keep them, and each macro shows the keyboard's once the window knows it.
    void TakeKeyboardMacros();

    MacroStore* Store() const
    {
        return m_store;
    }
    bool HasUnsavedEdits() const
    {
        return !m_store->UnsavedMacros().isEmpty();
    }
    // What the window asks before it closes with such macros.
    QString UnsavedEditsText() const
    {
        return MacroFiles::UnsavedText(*m_store);
    }
    // Exports every macro to a file the user picks; false when nothing was saved.
    bool SaveUnsavedMacros();

    // Ends a recording in progress and gives the desktop its keyboard back; nothing when idle.
    void StopRecording();
    bool IsRecording() const;
    // Recording takes only the keys typed into this program's windows (no system-wide capture).
    bool IsWindowOnlyRecording() const;
    int CurrentMacro() const
    {
        return m_currentMacro;
    }
    QVector<MacroAction> Actions(int macro) const;

signals:
    void ResultShow(tdu1 status, QString text);
    // Emitted when the page comes to have unsaved macro edits and when it has none left.
    void UnsavedEditsChanged(bool unsaved);

private slots:
    void on_tbtnMacroRec_clicked();
    void on_tbtnWriteMacro_clicked();
    void on_tbtnReadMacro_clicked();
    void on_lswMacro_customContextMenuRequested(const QPoint& pos);
    void on_lswMacro_itemClicked(QListWidgetItem* item);
    void on_lswMacro_itemDoubleClicked(QListWidgetItem* item);
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
    // A click below the rows takes the highlight away.
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The keyboard capture gets ready while the user looks at the page.
    void showEvent(QShowEvent* event) override;
    // Leaving the page or closing the window ends a recording.
    void hideEvent(QHideEvent* event) override;

private:
    void SetupStyle();
    void CreateMacroButtons();
    void StartRecording();
    // The page's look while recording: nothing but Stop Rec to click.
    void ShowRecording(bool recording);
    void RedrawList();
    void ShowMacro(int macro);
    void HighlightRow(int row);
    void RefreshCount();

    // Editing by hand.
    void SetupEditing();
    void UpdateEditButtons();
    // Says so and returns false when the shown macro has no room for count more actions.
    bool HasRoom(int count);
    // Inserts at the highlighted row (which stays highlighted) or at the end.
    void InsertActions(const QVector<MacroAction>& inserted);
    void InsertKey(MacroKeyChooser::Kind kind);
    void MoveSelected(int step);
    bool IsEditingDelay() const;
    void ClearHighlight();
    void CopyShownMacroTo(int target);
    // False when nothing was saved (dialog cancelled, file not written).
    bool ExportMacros(bool all);

    Ui::MacroDialog* ui;
    QList<QToolButton*> m_macroButtons;
    ChoiceRow* m_macroRow = nullptr;
    MacroStore* m_store;
    MacroTransfer* m_transfer;
    MacroRecorder* m_recorder;
    std::unique_ptr<MacroRows> m_rows;
    std::array<tdu2, Protocol::kMacroCount> m_selectedRow;
    tdu1 m_currentMacro = 0;
    MacroDelayEdit* m_delayEdit = nullptr;
    MacroEditTools* m_tools = nullptr;
    QAction* m_undoAction = nullptr;
    QAction* m_redoAction = nullptr;
};
