#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <memory>

// A private Xvfb server for the recorder's own X connection (the widgets stay on the offscreen
// platform), and xdotool to type into it through the XTEST extension, as a real keyboard would.
class XvfbServer
{
public:
    XvfbServer()
    {
        // Xvfb picks a free display and writes its number to stdout once it accepts clients. Without
        // -noreset it would reset whenever its last client leaves, refusing connections meanwhile.
        // The shell ends it when its stdin closes, also when a test process dies without cleaning up.
        m_server.start(QStringLiteral("sh"),
            {"-c",
                "command -v Xvfb >/dev/null || exit 127; "
                "Xvfb -displayfd 1 -screen 0 640x480x24 -nolisten tcp -noreset & "
                "trap 'kill $! 2>/dev/null' EXIT; read -r _"});
        if (!m_server.waitForStarted(10000)) {
            m_error = QStringLiteral("sh does not start");
            return;
        }
        QByteArray out;
        QElapsedTimer timer;
        timer.start();
        while (!out.contains('\n') && timer.elapsed() < 20000 && m_server.state() == QProcess::Running) {
            m_server.waitForReadyRead(100);
            out += m_server.readAllStandardOutput();
        }
        bool ok = false;
        const int number = out.trimmed().toInt(&ok);
        if (!ok && m_server.exitCode() == 127) {
            m_error = QStringLiteral("Xvfb not found: install the xvfb package");
            return;
        }
        if (!ok) {
            m_error
                = QStringLiteral("Xvfb gave no display: ") + QString::fromLocal8Bit(m_server.readAllStandardError());
            return;
        }
        m_display = QStringLiteral(":%1").arg(number);
    }
    ~XvfbServer()
    {
        m_server.closeWriteChannel();
        if (!m_server.waitForFinished(5000)) {
            m_server.kill();
            m_server.waitForFinished(5000);
        }
    }
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    QString Display() const
    {
        return m_display;
    }
    QString Error() const
    {
        return m_error;
    }

    // Starts one xdotool command line against this server; the caller's event loop keeps running.
    std::unique_ptr<QProcess> StartXdotool(const QStringList& arguments) const
    {
        auto xdotool = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), m_display);
        xdotool->setProcessEnvironment(environment);
        xdotool->start(QStringLiteral("xdotool"), arguments);
        return xdotool;
    }
    // Runs one xdotool command line to its end; false when it fails.
    bool Xdotool(const QStringList& arguments) const
    {
        return Finished(*StartXdotool(arguments));
    }
    static bool Finished(QProcess& xdotool)
    {
        return (xdotool.state() == QProcess::NotRunning || xdotool.waitForFinished(60000))
            && xdotool.error() != QProcess::FailedToStart && xdotool.exitStatus() == QProcess::NormalExit
            && xdotool.exitCode() == 0;
    }

private:
    QProcess m_server;
    QString m_display;
    QString m_error;
};
