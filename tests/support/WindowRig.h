#pragma once

// The main window on a simulated keyboard in a run folder of its own, with a clock the test
// moves on: reply deadlines, the reader's pace and reconnect attempts all read it.

#include "app/MainDialog.h"
#include "device/Protocol.h"
#include "keymap/KeymapDialog.h"
#include "sim/SimBus.h"
#include "support/TestFolder.h"
#include "support/TestLayouts.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <atomic>
#include <memory>

class WindowRig
{
public:
    static constexpr tdu2 kPid = 0x0605;
    // 75 keys: a keymap travels in 10 packets, the indicator block in 2.
    static constexpr int kRows = 5;
    static constexpr int kCols = 15;

    WindowRig()
    {
        sim::SimBus::instance().reset();
        folder = std::make_unique<TestFolder>();
        folder->Write(QStringLiteral("config/PFX_0.json"), TestLayouts::Grid(kRows, kCols));
    }

    ~WindowRig()
    {
        window.reset();
        keyboard.reset();
        folder.reset();
        sim::SimBus::instance().reset();
    }

    // A keyboard holding the layout's keymaps, each with one key changed.
    void Plug()
    {
        keyboard = sim::SimBus::instance().plug(Protocol::kVendorId, kPid, kRows, kCols);
        keyboard->modify([](sim::KeyboardState& state) {
            for (int k = 0; k < Protocol::kKeymapCount; k++) {
                for (int l = 0; l < Protocol::kLayerCount; l++) {
                    for (int r = 0; r < kRows; r++) {
                        for (int c = 0; c < kCols; c++)
                            state.keymaps[k][l][r][c] = std::uint16_t(TestLayouts::GridCode(kCols, l, r, c));
                    }
                }
                state.keymaps[k][0][1][1 + k] = 0x1904;
            }
        });
    }

    // The window on the plugged keyboard, showing the keymap the keyboard holds (unless told
    // not to wait for it).
    bool Open(bool waitForFirstRead = true)
    {
        if (!keyboard)
            Plug();
        window = std::make_unique<MainDialog>(nullptr, false, kPid, 0);
        window->SetWindowSize(1294, 800);
        window->SetDeviceNames(QStringLiteral("PFX"), QStringLiteral("Test Board"));
        window->Session()->SetClock([this] { return now.load(); });
        Follow(window.get());
        if (!window->Connect())
            return false;
        window->Setup();
        window->show();
        return !waitForFirstRead || QTest::qWaitFor([this] { return window->KeymapPage()->KeymapKnown(0); });
    }

    // A window that hands the keyboard to a successor (after "Set Keymap Type") is followed.
    void Follow(MainDialog* followed)
    {
        QObject::connect(followed, &MainDialog::Replaced, [this](MainDialog* next) {
            window.release()->deleteLater();
            window.reset(next);
            Follow(next);
        });
    }

    void Click(const QString& name)
    {
        auto* button = window->findChild<QAbstractButton*>(name);
        QVERIFY2(button, qPrintable(name));
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QString Status() const
    {
        return window->findChild<QLabel*>(QStringLiteral("lblStatus"))->text();
    }

    QColor StatusColour() const
    {
        return window->findChild<QLabel*>(QStringLiteral("lblStatus"))
            ->palette()
            .color(QPalette::Active, QPalette::WindowText);
    }

    // Moves the clock past the reply deadline of everything sent so far, and lets the session act.
    void PassDeadlines()
    {
        now += window->Session()->Ledger()->Timeout();
        window->Session()->Poll();
    }

    // The window's next look for its keyboard, at once.
    void Reconnect()
    {
        now += DeviceSession::kReconnectIntervalMs;
        window->Session()->Poll();
    }

    std::unique_ptr<TestFolder> folder;
    std::shared_ptr<sim::SimKeyboard> keyboard;
    std::unique_ptr<MainDialog> window;
    std::atomic<qint64> now {0};
};
