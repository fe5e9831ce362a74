#pragma once

#include <QObject>

class QSocketNotifier;

// While it lives, SIGINT and SIGTERM no longer end the program at once: they are delivered as
// Arrived() through the event loop, so that a restore can let the command in flight finish, stop,
// and say what the keyboard holds. The former handlers come back when it is destroyed. Unix only;
// elsewhere it never fires.
class StopSignals final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(StopSignals)

public:
    explicit StopSignals(QObject* parent = nullptr);
    ~StopSignals() override;

    // The last signal that arrived, or 0.
    int Received() const
    {
        return m_received;
    }

signals:
    void Arrived(int signalNumber);

private:
    void Read();

    QSocketNotifier* m_notifier = nullptr;
    int m_received = 0;
};
