#pragma once

#include "device/CommandLedger.h"
#include "device/DeviceTypes.h"
#include "device/HidDeviceHandle.h"

#include <QDialog>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QTimer>

namespace Ui {
class MainDialog;
}
class AboutDialog;
class BackupJob;
struct KeyboardBackup;
class GeneralConfigDialog;
class KeymapDialog;
class KeyTesterDialog;
class MacroDialog;
class QAbstractButton;

// The working window for one keyboard model: opens the keyboard, loads its layout, builds the
// pages and routes commands and replies between the pages and the device.
class MainDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MainDialog)

public:
    // How often a window whose keyboard went away looks for it.
    static constexpr int kReconnectIntervalMs = 1000;

    MainDialog(QWidget* parent, bool demo, tdu2 productId, tdu1 keymapType);
    ~MainDialog() override;

    void SetWindowSize(qint16 width, qint16 height);
    void SetDeviceNames(const QString& prefix, const QString& name);
    // Opens the keyboard and reads its keymap type. False when the keyboard was not found and
    // the user chose to quit; the application is then asked to exit with code 0.
    bool Connect();
    void Setup();
    void LoadLayout(const QString& path);
    // Commands sent whose replies have not come yet.
    int AwaitedReplies() const
    {
        return m_ledger.Awaited();
    }
    CommandLedger* Ledger()
    {
        return &m_ledger;
    }
    // Keymaps and indicators are neither sent nor read while the keyboard uses another keymap
    // type than the layout this window shows.
    bool LayoutMatchesKeyboard() const
    {
        return m_keyboardKeymapType == m_keymapType;
    }
    // The start-up read of the keymap type, right after opening and before the receive thread
    // runs; 0 when it cannot be read.
    static tdu1 ReadKeymapType(HidDeviceHandle& hid);
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
        return &m_hid;
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

public slots:
    void buttonClickedLeft();
    void SendHidCmd(tdu1 cmd, tdu1* data, tdu2 length);
    void OnRecHidCmd(tdu1 cmd, tdu1* data, tdu2 length);
    // The keyboard's keymap type as the settings page last set or read it.
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
    // While the keyboard is gone: opens it again when the same model comes back.
    void TryReconnect();
    // The keyboard did not answer these commands in time.
    void RepliesOverdue(const QList<CommandLedger::Entry>& entries);

protected:
    // Unsaved keymap and macro edits are saved, discarded or keep the window open, as the user
    // answers.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void SetupForm();
    void SetupNavigation();
    static void PlacePage(QWidget* container, QWidget* page);
    // Sends a page's command and records it, with what the page meant, for its answer; false
    // when it did not go out.
    bool SendPageCmd(const QObject* page, tdu1 cmd, tdu1* data, tdu2 length, const CommandIntent& intent);
    // The keyboard a backup of this window is of; false, with a message, when none can be made.
    bool BackupIdentity(KeyboardBackup* identity);
    // Carries a backup job's commands and answers while its dialog runs.
    void RunBackupJob(BackupJob* job);
    // Says that the window's layout no longer fits the keyboard, and what that blocks.
    void ShowLayoutMismatch(tdu1 level);
    // Size and place: as remembered, else the index's size centred, never beyond the screen.
    void PlaceWindow();

    qint16 m_windowWidth = 0;
    qint16 m_windowHeight = 0;
    QString m_prefix;
    QString m_deviceName;
    Ui::MainDialog* ui;
    QRect m_location;
    tdu2 m_productId;
    HidDeviceHandle m_hid;
    QList<int> m_navIcons;
    QList<QPixmap> m_navIconsNormal;
    QList<QPixmap> m_navIconsChecked;
    QList<QAbstractButton*> m_navButtons;
    KeymapDialog* m_keymapPage;
    GeneralConfigDialog* m_generalPage;
    AboutDialog* m_aboutPage;
    MacroDialog* m_macroPage;
    KeyTesterDialog* m_keyTestPage;
    bool m_mousePressed = false;
    QPoint m_pressPos;
    bool m_demoMode;
    tdu1 m_keymapType;
    // What the keyboard itself uses; differs from m_keymapType once it was changed or replugged.
    tdu1 m_keyboardKeymapType;
    QString m_layoutName;
    tdu1 m_keyboardType = 0;
    QTimer m_reconnectTimer;
    bool m_reconnectRefused = false;

    CommandLedger m_ledger;
    // The backup or restore in progress, whose commands the ledger carries like a page's.
    BackupJob* m_backupJob = nullptr;
};
