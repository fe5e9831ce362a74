#pragma once

#include "about/AboutDialog.h"
#include "app/DeviceManager.h"
#include "app/MainDialog.h"
#include "device/Protocol.h"
#include "macro/MacroDialog.h"
#include "settings/GeneralConfigDialog.h"
#include "sim/SimBus.h"
#include "support/LocalHttpServer.h"
#include "support/TestLayouts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QListWidget>
#include <QPointer>
#include <QTest>
#include <QTimer>

#include <memory>

// A whole session as main() runs it (Device Manager, then the main window of the plugged keyboard)
// brought into a state in which the user may close the window, in the current working folder.
// Shared by the exit test and the exit benchmark.
class ExitScenario
{
public:
    static QStringList States()
    {
        return {"idle", "recording a macro", "keymap transfer in flight", "downloads in flight", "keyboard unplugged",
            "demo mode"};
    }

    static constexpr tdu2 kPid = 0x0601;

    explicit ExitScenario(const QString& state)
        : m_state(state)
    {
        sim::SimBus::instance().reset();
        const bool demo = state == "demo mode";
        QDir().mkpath(QStringLiteral("config"));
        Write("config/PFX_0.json", TestLayouts::Grid(5, 15));
        QJsonObject entry = TestLayouts::Entry(kPid, QStringLiteral("PFX"), QStringLiteral("Board"));
        entry.insert("type", QJsonArray {"Win"});
        Write("config/index.json",
            QJsonDocument(
                QJsonObject {{"priver", 1}, {"subver", 0}, {"inst", QJsonArray {entry}}, {"demo", QJsonArray {entry}}})
                .toJson());
        m_keyboard = sim::SimBus::instance().plug(Protocol::kVendorId, kPid, 5, 15);

        // Every download the session starts waits for a server that never answers.
        LocalHttpServer::Response hang;
        hang.behaviour = LocalHttpServer::Behaviour::Hang;
        for (const char* path : {"/version.txt", "/fw/Version.txt", "/store/version.txt"})
            m_server.Serve(QString::fromLatin1(path), hang);
        const bool downloads = state == "downloads in flight";
        AboutDialog::SetStoreUrl(downloads ? QUrl(m_server.Url("store/")) : QUrl());
        m_manager = std::make_unique<DeviceManager>(nullptr, downloads ? QUrl(m_server.BaseUrl()) : QUrl());
        m_manager->show();
        auto* list = m_manager->findChild<QListWidget*>("listWidget");
        // Under the headings: "Plugged in", the keyboard, "Demo", the demo model.
        list->setCurrentRow(demo ? 3 : 1);
        QTest::mouseClick(m_manager->findChild<QAbstractButton*>(demo ? "btnDemo" : "btnOpen"), Qt::LeftButton);
        m_window = m_manager->LastMainWindow();
        if (!m_window) {
            m_error = QStringLiteral("no main window");
            return;
        }
        // The keymap shown at open is read from the keyboard first.
        if (!QTest::qWaitFor([this] { return m_window->AwaitedReplies() == 0; })) {
            m_error = QStringLiteral("keymap not read at open");
            return;
        }
        if (state == "recording a macro") {
            Click("tbtn5");
            Click("tbtnMacroRec");
            if (!m_window->MacroPage()->IsRecording())
                m_error = QStringLiteral("not recording");
        } else if (state == "keymap transfer in flight") {
            m_keyboard->setReplyDelayMs(60000);
            Click("tbtnUpLoad");
            if (m_window->AwaitedReplies() != 1)
                m_error = QStringLiteral("nothing in flight");
        } else if (downloads) {
            m_window->GeneralPage()->SetFirmwareUrl(m_server.Url("fw/"));
            Click("tbtn4");
            Click("btnGetNewFmVer");
            QElapsedTimer wait;
            wait.start();
            while (m_server.Requests().size() < 3 && wait.elapsed() < 5000)
                QTest::qWait(10);
            if (m_server.Requests().size() < 3)
                m_error = QStringLiteral("downloads did not start");
        } else if (state == "keyboard unplugged") {
            m_keyboard->unplug();
            QElapsedTimer wait;
            wait.start();
            while (m_window->Device()->IsReceiving() && wait.elapsed() < 5000)
                QTest::qWait(10);
            if (m_window->Device()->IsReceiving())
                m_error = QStringLiteral("unplug not noticed");
        }
    }

    ~ExitScenario()
    {
        Finish();
        AboutDialog::SetStoreUrl(QUrl());
        sim::SimBus::instance().reset();
    }

    ExitScenario(const ExitScenario&) = delete;
    ExitScenario& operator=(const ExitScenario&) = delete;

    QString Error() const
    {
        return m_error;
    }
    MainDialog* Window() const
    {
        return m_window;
    }
    DeviceManager* Manager() const
    {
        return m_manager.get();
    }
    const std::shared_ptr<sim::SimKeyboard>& Keyboard() const
    {
        return m_keyboard;
    }

    // Clicks the window's close button and runs the application until it quits, as app.exec() in
    // main() does. Milliseconds from the click to the end of the event loop, or -1 when the
    // application was still running after limitMs.
    qint64 CloseAndRun(int limitMs)
    {
        QElapsedTimer timer;
        bool quitByLimit = false;
        QTimer::singleShot(0, [this, &timer] {
            timer.start();
            Click("btnMenu_Close");
        });
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [&quitByLimit] {
            quitByLimit = true;
            QApplication::quit();
        });
        limit.start(limitMs);
        QApplication::exec();
        return quitByLimit ? -1 : timer.elapsed();
    }

    // What main() does after its event loop: the Device Manager goes, and with it the main window
    // if it is still there. Milliseconds taken.
    qint64 Finish()
    {
        QElapsedTimer timer;
        timer.start();
        m_manager.reset();
        return timer.elapsed();
    }

private:
    void Write(const QString& path, const QByteArray& content)
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
            m_error = QStringLiteral("cannot write ") + path;
    }
    void Click(const char* name)
    {
        auto* button = m_window ? m_window->findChild<QAbstractButton*>(QString::fromLatin1(name)) : nullptr;
        if (button)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            m_error = QStringLiteral("no button ") + QString::fromLatin1(name);
    }

    QString m_state;
    QString m_error;
    LocalHttpServer m_server;
    std::shared_ptr<sim::SimKeyboard> m_keyboard;
    std::unique_ptr<DeviceManager> m_manager;
    QPointer<MainDialog> m_window;
};
