#pragma once

#include "device/DeviceTypes.h"
#include "tester/KeyTestOverlay.h"

#include <QHash>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class KeyCaptureService;
class KeyboardModel;
class KeyPannel;
class KeyTestModel;
struct LayoutDescription;

namespace Ui {
class KeyTesterDialog;
}

// The key tester page: while "Test Keys" is on, every key pressed on the keyboard lights its cap,
// each key's presses are counted, the keys never pressed are listed, and a key that goes down
// again within the chatter threshold after its release is marked with its chatter count.
// Switching it off, leaving the page or closing the window gives the keyboard back at once.
class KeyTesterDialog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(KeyTesterDialog)

public:
    explicit KeyTesterDialog(QWidget* parent = nullptr);
    ~KeyTesterDialog() override;

    // The window's keyboard capture, shared with the macro recorder; without it the page keeps
    // its own.
    void SetCaptureService(KeyCaptureService* service);
    KeyCaptureService* CaptureService() const;

    // The page's key panel; the main window's layout loader fills it before SetupPannel.
    KeyPannel* Pannel() const;
    // Learns which key each cap is from the layout's codes on the first layer.
    void SetLayoutCodes(const LayoutDescription& layout);
    // What the keyboard holds: once its keymap 1 is known, each cap is the key of that keymap's
    // first layer, as the keyboard types it; until then the layout's codes stand in, and the page
    // says so.
    void SetKeyboardModel(const KeyboardModel* model);
    // Builds the filled panel into the page.
    void SetupPannel();

    void StartTest();
    // Gives the keyboard back at once; nothing when not testing.
    void StopTest();
    bool IsTesting() const;
    // Testing takes only the keys typed into the program (no system-wide capture).
    bool IsWindowOnly() const;

    KeyTestModel* Model() const;
    KeyTestOverlay* Overlay() const;

signals:
    void ResultShow(tdu1 level, QString text);

private slots:
    void on_tbtnKeyTest_clicked(bool checked);
    void on_tbtnKeyTestReset_clicked();
    void on_spbChatterMs_valueChanged(int ms);
    void OnKeyEvent(QObject* holder, bool down, tdu2 vk, tdu4 timeMs);

protected:
    // The keyboard capture gets ready while the user looks at the page.
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    struct Cell
    {
        QPoint pos; // column, row
        tdu2 code = 0;
        tdu2 vk = 0;
        // The layout's code, when the keyboard's is not known.
        tdu2 layoutCode = 0;
    };

    // Each cap's code from the keyboard's keymap 1 when known, else the layout's.
    void TakeCodes();

    // Stops at the user's word (the switch, leaving the page) and says so.
    void StopTestAndSay();
    KeyTestOverlay::Mark MarkOf(int cell) const;
    void RefreshCell(tdu2 vk);
    void RefreshAll();
    void RefreshSummary();
    QString KeyName(tdu2 vk) const;
    QString WindowOnlyText() const;

    std::unique_ptr<Ui::KeyTesterDialog> m_ui;
    KeyPannel* m_pannel = nullptr;
    KeyTestModel* m_model = nullptr;
    QPointer<KeyCaptureService> m_capture;
    bool m_ownCapture = false;
    KeyTestOverlay* m_overlay = nullptr;
    QList<Cell> m_cells;
    // Cells by virtual-key code; a code may stand on two caps (the two Enter keys).
    QMultiHash<tdu2, int> m_cellsOfVk;
    QPointer<const KeyboardModel> m_keyboard;
};
