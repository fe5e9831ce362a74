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
class KeyUseStore;
class QTimer;
struct LayoutDescription;

namespace Ui {
class KeyTesterDialog;
}

// The key tester page: while "Test Keys" is on, every key pressed on the keyboard lights its cap,
// each key's presses are counted, the keys never pressed are listed, and a key that goes down
// again within the chatter threshold after its release is marked with its chatter count.
// Switching it off, leaving the page or closing the window gives the keyboard back at once.
// Presses are also kept over all tests of the keyboard model, for the heat map the page shows on
// demand and for the charts; they are saved when a test ends, when the page is left and every
// minute while keys are pressed.
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

    // Keeps the presses of model productId in the key-use file at path, and reads those kept.
    void SetKeyUseFile(const QString& path, tdu2 productId);
    KeyUseStore* KeyUse() const;
    bool IsHeatMap() const;

signals:
    void ResultShow(tdu1 level, QString text);

private slots:
    void on_tbtnKeyTest_clicked(bool checked);
    void on_tbtnKeyTestReset_clicked();
    void on_spbChatterMs_valueChanged(int ms);
    void on_chkHeatMap_toggled(bool on);
    void on_tbtnClearCounts_clicked();
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
        // What the cap says of itself without the heat map.
        QString toolTip;
        QString description;
    };

    // Each cap's code from the keyboard's keymap 1 when known, else the layout's.
    void TakeCodes();

    // Stops at the user's word (the switch, leaving the page) and says so.
    void StopTestAndSay();
    KeyTestOverlay::Mark MarkOf(int cell) const;
    // The cap's captions from its code, and what it says of itself.
    void ShowCodes();
    // The cap's heat colour and its count in its tooltip and description, while the heat map is on.
    void ShowUse(int cell, const KeyTestOverlay::Mark& mark);
    // Adds the unsaved presses to the key-use file; says so when that fails and tell is set.
    void SaveKeyUse(bool tell);
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
    KeyUseStore* m_keyUse = nullptr;
    QTimer* m_saveTimer = nullptr;
    // The count of the most pressed key when the caps were last coloured: the scale's top.
    qint64 m_shownMost = 0;
};
