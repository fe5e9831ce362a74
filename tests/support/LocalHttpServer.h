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
    };

    struct Response
    {
        int status = 200;
        QByteArray body;
        Behaviour behaviour = Behaviour::Normal;
        QByteArray location; // for 3xx answers
        QByteArray contentType = "application/octet-stream";
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
        head += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
        if (!response.location.isEmpty())
            head += "Location: " + response.location + "\r\n";
        head += "Connection: close\r\n\r\n";
        socket->write(head);
        if (response.behaviour == Behaviour::Truncate) {
            socket->write(response.body.left(response.body.size() / 2));
            socket->flush();
            socket->disconnectFromHost();
            return;
        }
        socket->write(response.body);
        socket->disconnectFromHost();
    }

    static QByteArray Reason(int status)
    {
        switch (status) {
        case 200:
            return "OK";
        case 301:
            return "Moved Permanently";
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
    return {status, body, behaviour, {}, type};
}
