#pragma once

#include "device/DeviceTypes.h"

#include <QList>
#include <QString>
#include <QWidget>

#include <memory>

class KeyCodeBasicKeyPannel;
class KeyCodeCombKeyPannel;
class KeyCodeDiadKeyPannel;
class KeyCodeLayerKeyPannel;
class KeyCodeLedKeyPannel;
class KeyCodeMacroKeyPannel;
class KeyCodeMediaKeyPannel;
class KeycodeFuncKeyPannel;
class KeyPannel;
struct LayoutDescription;
class KeymapStore;
class QToolButton;

namespace Ui {
class KeymapDialog;
}

// The keymap editor page: the keyboard picture showing one layer of one keymap, the keycode
// pickers below it, and the commands that write, read, save, load, revert and clear keymaps.
class KeymapDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeymapDialog)

public:
    explicit KeymapDialog(QWidget* parent = nullptr);
    ~KeymapDialog() override;

    // The page's key panel; the main window's layout loader fills it before SetupPannel.
    KeyPannel* Pannel() const;
    // Stores one default code from the layout; 1 when stored, 0 when out of range.
    int SetKeymapCode(tdu1 keymap, tdu1 layer, tdu1 row, tdu1 col, tdu2 code);
    // Stores every key's default codes of a layout, layer by layer, into all four keymaps.
    void SetLayoutCodes(const LayoutDescription& layout);
    // Builds the filled panel into the page and takes keymap 1 as the layout default.
    void SetupPannel();
    // The name keymap files are written with and must carry to be loaded.
    void SetKeyboardName(const QString& name);
    QString KeyboardName() const;
    // Every device reply is offered here; only the keymap read and write replies are taken.
    void RecHidCmd(tdu1 cmd, tdu1* data, tdu2 len);

    KeymapStore* Store() const;

signals:
    void SendCmd(tdu1 cmd, tdu1* data, tdu2 len);
    void ResultShow(tdu1 level, QString text);

public slots:
    void tbtnLayerClicked();
    void tbtnKeymapClicked();
    void tbtnKeyCodeClicked();
    void KeyPannelCodeClicked(tdu2 code);
    void DiadKeyPannelCodeClicked(tdu2 code);
    void on_tbtnDownLoad_clicked();
    void on_tbtnSave_clicked();
    void on_tbtnLoad_clicked();
    void on_tbtnUpLoad_clicked();
    void on_tbtnRevert_clicked();
    void on_tbtnClear_clicked();
    void KeyPannelKeyCapClicked(tdu1 row, tdu1 col);

private:
    void SetUpNavigation();
    void SetUpPickers();
    // Shows the current layer of the current keymap and the remembered selection on the panel.
    void Repaint();
    // Refuses a transfer the layout cannot carry, with a message; true when it may go.
    bool KeymapCanTravel(const QString& refusal);
    // Where the file dialogs open: the desktop, else the documents or home folder.
    static QString StartFolder();
    // A note for the status line when a reply switched the page away from keymap during a dialog.
    QString ViewChangedNote(int keymap) const;

    std::unique_ptr<Ui::KeymapDialog> m_ui;
    std::unique_ptr<KeymapStore> m_store;
    KeyPannel* m_pannel = nullptr;
    QString m_keyboardName;

    KeyCodeBasicKeyPannel* m_basicPannel = nullptr;
    KeyCodeLayerKeyPannel* m_layerPannel = nullptr;
    KeyCodeLedKeyPannel* m_ledPannel = nullptr;
    KeyCodeMediaKeyPannel* m_mediaPannel = nullptr;
    KeyCodeCombKeyPannel* m_combPannel = nullptr;
    KeyCodeDiadKeyPannel* m_diadPannel = nullptr;
    KeyCodeMacroKeyPannel* m_macroPannel = nullptr;
    KeycodeFuncKeyPannel* m_funcPannel = nullptr;

    QList<QToolButton*> m_layerButtons;
    QList<QToolButton*> m_keymapButtons;
    // In the order of the picker pages: Basic, Layer, Led, Media, Comb, Diad, Macro, Func.
    QList<QToolButton*> m_keyCodeButtons;
};
