#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QMetaType>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

// A small HTTP/1.1 server on 127.0.0.1 for download tests. Each path answers with a fixed
// response; unknown paths get 404. Runs in the test's thread, so the test must spin the event
// loop (QTRY_*, QSignalSpy::wait) while the program downloads.
class LocalHttpServer
{
public:
    enum class Behaviour {
        Normal,
        // Announces the whole body in Content-Length, sends half of it and closes.
        Truncate,
        // Reads the request and never answers.
        Hang,
        // Sends the head, then one byte of the body every kDripIntervalMs, round and round, until
        // the client gives up.
        Drip,
        // Sends the body again and again, as fast as the client takes it, until it gives up.
        Flood,
    };
    static constexpr int kDripIntervalMs = 100;
    // Content-Length values besides a real one.
    static constexpr qint64 kBodyLength = -1;
    static constexpr qint64 kNoLength = -2;

    struct Response
    {
        int status = 200;
        QByteArray body;
        Behaviour behaviour = Behaviour::Normal;
        QByteArray location; // for 3xx answers
        QByteArray contentType = "application/octet-stream";
        // Further header lines, each ending in CR LF ("Content-Encoding: gzip\r\n").
        QByteArray headers;
        // The announced Content-Length: the body's, none, or any number however false.
        qint64 length = kBodyLength;
    };

    LocalHttpServer()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { Accept(); });
        m_server.listen(QHostAddress::LocalHost, 0);
    }
    ~LocalHttpServer()
    {
        for (const QPointer<QTcpSocket>& socket : qAsConst(m_sockets)) {
            if (socket)
                socket->abort();
        }
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool IsListening() const
    {
        return m_server.isListening();
    }
    // Base address ending in "/", to which file names are appended.
    QString BaseUrl() const
    {
        return QStringLiteral("http://127.0.0.1:%1/").arg(m_server.serverPort());
    }
    QString Url(const QString& path) const
    {
        return BaseUrl() + path;
    }

    void Serve(const QString& path, const QByteArray& body, int status = 200)
    {
        Response response;
        response.status = status;
        response.body = body;
        m_routes.insert(Normalised(path), response);
    }
    void Serve(const QString& path, const Response& response)
    {
        m_routes.insert(Normalised(path), response);
    }
    void Redirect(const QString& path, const QString& target, int status = 302)
    {
        Response response;
        response.status = status;
        response.location = target.toUtf8();
        m_routes.insert(Normalised(path), response);
    }
    void Remove(const QString& path)
    {
        m_routes.remove(Normalised(path));
    }

    // Paths requested so far, in order of arrival ("/version.txt", ...).
    QStringList Requests() const
    {
        return m_requests;
    }
    void ClearRequests()
    {
        m_requests.clear();
    }

private:
    static QString Normalised(const QString& path)
    {
        return path.startsWith(QLatin1Char('/')) ? path : QLatin1Char('/') + path;
    }

    void Accept()
    {
        while (QTcpSocket* socket = m_server.nextPendingConnection()) {
            m_sockets.append(socket);
            auto* buffer = new QByteArray;
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                buffer->append(socket->readAll());
                const int end = buffer->indexOf("\r\n\r\n");
                if (end < 0)
                    return;
                const QByteArray requestLine = buffer->left(buffer->indexOf("\r\n"));
                buffer->clear();
                Answer(socket, requestLine);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, [socket, buffer] {
                delete buffer;
                socket->deleteLater();
            });
        }
    }

    void Answer(QTcpSocket* socket, const QByteArray& requestLine)
    {
        const QList<QByteArray> parts = requestLine.split(' ');
        const QString path = parts.size() >= 2 ? QUrl(QString::fromLatin1(parts.at(1))).path() : QString();
        m_requests.append(path);
        Response response;
        if (m_routes.contains(path)) {
            response = m_routes.value(path);
        } else {
            response.status = 404;
            response.body = "<html><body>Not Found</body></html>";
            response.contentType = "text/html";
        }
        if (response.behaviour == Behaviour::Hang)
            return;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + Reason(response.status) + "\r\n";
        head += "Content-Type: " + response.contentType + "\r\n";
        if (response.length != kNoLength) {
            const qint64 length = response.length == kBodyLength ? response.body.size() : response.length;
            head += "Content-Length: " + QByteArray::number(length) + "\r\n";
        }
        if (!response.location.isEmpty())
            head += "Location: " + response.location + "\r\n";
        head += response.headers + "Connection: close\r\n\r\n";
        socket->write(head);
        if (response.behaviour == Behaviour::Drip || response.behaviour == Behaviour::Flood) {
            Stream(socket, response);
            return;
        }
        if (response.behaviour == Behaviour::Truncate) {
            socket->write(response.body.left(response.body.size() / 2));
            socket->flush();
            socket->disconnectFromHost();
            return;
        }
        socket->write(response.body);
        socket->disconnectFromHost();
    }

    // Drip and Flood: the socket's own timer or write progress keeps it going; it stops with the
    // socket, when the client aborts or the server goes.
    static void Stream(QTcpSocket* socket, const Response& response)
    {
        const QByteArray body = response.body.isEmpty() ? QByteArray(1, ' ') : response.body;
        if (response.behaviour == Behaviour::Flood) {
            constexpr qint64 kBacklog = 256 * 1024;
            const auto more = [socket, body] {
                while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < kBacklog)
                    socket->write(body);
            };
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket, more);
            more();
            return;
        }
        auto* timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, body, position = 0]() mutable {
            socket->write(body.mid(position, 1));
            position = (position + 1) % body.size();
        });
        timer->start(kDripIntervalMs);
    }

    static QByteArray Reason(int status)
    {
        switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
        case 206:
            return "Partial Content";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
        }
    }

    QTcpServer m_server;
    QHash<QString, Response> m_routes;
    QStringList m_requests;
    QList<QPointer<QTcpSocket>> m_sockets;
};

Q_DECLARE_METATYPE(LocalHttpServer::Response)

// A response as test rows give it; the content type only matters for error pages.
inline LocalHttpServer::Response Reply(int status,
    const QByteArray& body,
    LocalHttpServer::Behaviour behaviour = LocalHttpServer::Behaviour::Normal,
    const QByteArray& type = "application/octet-stream")
{
    LocalHttpServer::Response response;
    response.status = status;
    response.body = body;
    response.behaviour = behaviour;
    response.contentType = type;
    return response;
}
