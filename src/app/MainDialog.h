#pragma once

#include "codec/KeyboardModel.h"
#include "device/DeviceSession.h"
#include "device/DeviceTypes.h"

#include <QDialog>
#include <QList>

namespace Ui {
class MainDialog;
}
class AboutDialog;
struct KeyboardBackup;
class GeneralConfigDialog;
class KeymapDialog;
class KeyCaptureService;
class KeyTesterDialog;
class MacroDialog;
class QAbstractButton;

// The working window for one keyboard model: opens the keyboard's session, loads its layout,
// builds the pages, gives each its client of the session, and says in the status line what the
// session reports (no keyboard, no answer, unplugged, back again).
class MainDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainDialog)

public:
    MainDialog(QWidget* parent, bool demo, tdu2 productId, tdu1 keymapType);
    ~MainDialog() override;

    void SetWindowSize(qint16 width, qint16 height)
    {
        m_windowWidth = width;
        m_windowHeight = height;
    }
    void SetDeviceNames(const QString& prefix, const QString& name);
    // Which keyboard of the model to open when several are plugged in; see DeviceSession.
    void SetDevicePath(const QString& path);
    // Opens the keyboard and reads its keymap type. False when the keyboard was not found and
    // the user chose to quit; the application is then asked to exit with code 0.
    bool Connect();
    void Setup();
    void LoadLayout(const QString& path);
    // Commands sent whose replies have not come yet.
    int AwaitedReplies() const
    {
        return m_session.Awaited();
    }
    DeviceSession* Session()
    {
        return &m_session;
    }
    KeyboardModel* Model()
    {
        return &m_model;
    }
    // Keymaps and indicators are neither sent nor read while the keyboard uses another keymap
    // type than the layout this window shows.
    bool LayoutMatchesKeyboard() const
    {
        return m_session.LayoutMatchesKeyboard();
    }
    // What to do when a keyboard is present but its device node may not be opened.
    static QString AccessHelp(const QString& deviceName, const QString& path, const QString& reason);
    // How to grant a user access to the keyboard on Linux.
    static QString GrantAccessHelp();

    bool IsDemoMode() const
    {
        return m_demoMode;
    }
    tdu1 KeymapType() const
    {
        return m_keymapType;
    }
    QString LayoutName() const
    {
        return m_layoutName;
    }
    tdu1 KeyboardType() const
    {
        return m_keyboardType;
    }
    HidDeviceHandle* Device()
    {
        return m_session.Device();
    }
    KeymapDialog* KeymapPage() const
    {
        return m_keymapPage;
    }
    GeneralConfigDialog* GeneralPage() const
    {
        return m_generalPage;
    }
    MacroDialog* MacroPage() const
    {
        return m_macroPage;
    }
    AboutDialog* AboutPage() const
    {
        return m_aboutPage;
    }
    KeyTesterDialog* KeyTestPage() const
    {
        return m_keyTestPage;
    }

signals:
    // After "Set Keymap Type" the keyboard reads its keys in another arrangement: a window of that
    // layout, shown where this one stood, took over the keyboard, and this one closes. Whoever
    // owns this window owns the successor.
    void Replaced(MainDialog* successor);

public slots:
    // The keyboard's keymap type as opened, set or read since.
    void KeyboardKeymapTypeChanged(tdu1 type);
    void ResultShow(tdu1 code, const QString& text);
    // Marks both titles while a keymap or a macro has edits neither written to the keyboard nor
    // saved.
    void ShowUnsavedMarker(bool unsaved);
    void UpdateUnsavedMarker();

private slots:
    void on_btnMenu_Close_clicked();
    // The whole keyboard to a file, and back, each with the progress and the result in a dialog.
    void on_tbtnBackup_clicked();
    void on_tbtnRestore_clicked();
    void on_btnMenu_Min_clicked();
    void DeviceLost();
    void Reconnected();
    // A command of a page did not go out.
    void CommandRefused(DeviceSession::Refusal why);

protected:
    // Unsaved keymap and macro edits are saved, discarded or keep the window open, as the user
    // answers.
    void closeEvent(QCloseEvent* event) override;
    // A status message answers one action: the next (a click, or a key that acts) clears it.
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetupForm();
    void SetupNavigation();
    // The keyboard a backup of this window is of; false, with a message, when none can be made.
    bool BackupIdentity(KeyboardBackup* identity);
    // After a restore wrote to the keyboard: every page shows what it now holds.
    void TakeRestored(const KeyboardBackup* readBack);
    // Says that the window's layout no longer fits the keyboard, and what that blocks.
    void ShowLayoutMismatch(tdu1 level);
    // Asks before the keyboard is set to another keymap type, naming the edits that are lost.
    bool ConfirmKeymapType(int type, const QString& name);
    // Hands the keyboard to a window of the layout of that type; see Replaced.
    void OpenLayoutOfType(tdu1 type);

    qint16 m_windowWidth = 0;
    qint16 m_windowHeight = 0;
    QString m_prefix;
    QString m_deviceName;
    Ui::MainDialog* ui;
    tdu2 m_productId;
    DeviceSession m_session;
    KeyboardModel m_model;
    KeymapDialog* m_keymapPage;
    GeneralConfigDialog* m_generalPage;
    AboutDialog* m_aboutPage;
    MacroDialog* m_macroPage;
    KeyTesterDialog* m_keyTestPage;
    // The keyboard capture the macro recorder and the key tester take turns with.
    KeyCaptureService* m_capture;
    bool m_demoMode;
    // The keymap type of the layout this window shows; the session knows the keyboard's.
    tdu1 m_keymapType;
    // The keymap type the user chose to set, until the keyboard tells its type again.
    int m_wantedKeymapType = -1;
    // A successor took over: closing asks nothing, the user already gave up the edits.
    bool m_replaced = false;
    QString m_layoutName;
    tdu1 m_keyboardType = 0;
};
