#include "ui/Download.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace {
constexpr int kHttpOk = 200;
// What Qt's network thread may hold for a reply before handing it over; the body itself is taken
// out as it arrives, so Qt never stops reading for a full buffer.
constexpr qint64 kReadBufferSize = 64 * 1024;

// The body taken so far and why the transfer was ended, kept with the reply.
class ReplyBody final : public QObject
{
    Q_OBJECT

public:
    ReplyBody(QNetworkReply* reply, qint64 maxBytes)
        : QObject(reply)
        , m_reply(reply)
        , m_maxBytes(maxBytes)
    { }

    static ReplyBody* Of(const QNetworkReply* reply)
    {
        return reply->findChild<ReplyBody*>(QString(), Qt::FindDirectChildrenOnly);
    }

    // Takes what arrived, up to one byte beyond the limit, which tells a reply over it.
    void Take()
    {
        m_data += m_reply->read(m_maxBytes + 1 - m_data.size());
        if (m_data.size() > m_maxBytes)
            Stop(Download::Failure::TooLarge);
    }

    // Ends a running reply for the given reason; the first reason stays.
    void Stop(Download::Failure failure)
    {
        if (!m_reply->isRunning() || m_stopped != Download::Failure::None)
            return;
        m_stopped = failure;
        m_reply->abort();
    }

    qint64 MaxBytes() const
    {
        return m_maxBytes;
    }
    Download::Failure Stopped() const
    {
        return m_stopped;
    }
    QByteArray& Data()
    {
        return m_data;
    }

private:
    QNetworkReply* m_reply;
    qint64 m_maxBytes;
    QByteArray m_data;
    Download::Failure m_stopped = Download::Failure::None;
};

bool IsEncoded(const QNetworkReply* reply)
{
    const QByteArray encoding = reply->rawHeader("Content-Encoding").trimmed().toLower();
    return !encoding.isEmpty() && encoding != "identity";
}
} // namespace

QNetworkReply* Download::Get(QNetworkAccessManager* manager, const QUrl& url, qint64 maxBytes, int deadlineMs)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    // Asking for plain bytes also stops Qt from inflating replies by itself, before any limit of
    // ours could see them: a few hundred kilobytes of gzip inflate to gigabytes.
    request.setRawHeader("Accept-Encoding", "identity");
    request.setTransferTimeout(qMin(deadlineMs, kSilenceTimeoutMs));
    QNetworkReply* reply = manager->get(request);
    reply->setReadBufferSize(qMin(maxBytes + 1, kReadBufferSize));
    auto* body = new ReplyBody(reply, maxBytes);
    // The silence timeout alone lets a server that sends a byte now and then hold a request for ever.
    auto* deadline = new QTimer(reply);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, body, [body] { body->Stop(Failure::TimedOut); });
    QObject::connect(reply, &QNetworkReply::finished, deadline, &QTimer::stop);
    deadline->start(deadlineMs);
    // The announced length and encoding are checked as soon as the headers arrive, the body with
    // every chunk (progress signals are throttled, chunks are not).
    QObject::connect(reply, &QNetworkReply::metaDataChanged, body, [reply, body, maxBytes] {
        if (IsEncoded(reply))
            body->Stop(Failure::Encoded);
        else if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > maxBytes)
            body->Stop(Failure::TooLarge);
    });
    QObject::connect(reply, &QNetworkReply::readyRead, body, &ReplyBody::Take);
    return reply;
}

Download::Failure Download::FailureOf(QNetworkReply* reply)
{
    ReplyBody* body = ReplyBody::Of(reply);
    if (body == nullptr)
        return Failure::Network;
    if (body->Stopped() != Failure::None)
        return body->Stopped();
    // Nobody else cancels a request: Qt's silence timeout ran out.
    if (reply->error() == QNetworkReply::OperationCanceledError)
        return Failure::TimedOut;
    if (reply->error() != QNetworkReply::NoError)
        return Failure::Network;
    if (IsEncoded(reply))
        return Failure::Encoded;
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != kHttpOk)
        return Failure::Status;
    // Whatever came with the last chunk.
    body->Take();
    return body->Data().size() > body->MaxBytes() ? Failure::TooLarge : Failure::None;
}

bool Download::Body(QNetworkReply* reply, QByteArray* body)
{
    body->clear();
    if (FailureOf(reply) != Failure::None)
        return false;
    *body = ReplyBody::Of(reply)->Data();
    return true;
}

QString Download::FailureText(QNetworkReply* reply)
{
    switch (FailureOf(reply)) {
    case Failure::None:
        return QString();
    case Failure::Network:
        return reply->errorString();
    case Failure::TimedOut:
        return tr("the server did not answer in time");
    case Failure::TooLarge:
        return tr("the server sent more than expected");
    case Failure::Encoded:
        return tr("the server sent a compressed reply");
    case Failure::Status:
        return tr("the server answered with status %1")
            .arg(reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt());
    }
    return QString();
}

QUrl Download::FileUrl(const QUrl& base, const QString& name)
{
    QUrl url(base);
    QString path = url.path();
    if (!path.endsWith(QLatin1Char('/')))
        path += QLatin1Char('/');
    url.setPath(path + name);
    return url;
}

bool Download::IsWebUrl(const QUrl& url)
{
    const QString scheme = url.scheme();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

bool Download::IsConfigured(const QUrl& url)
{
    if (!IsWebUrl(url))
        return false;
    const QString host = url.host().toLower();
    for (const char* example : {"example.com", "example.net", "example.org", "example", "invalid"}) {
        const QString name = QLatin1String(example);
        if (host == name || host.endsWith(QLatin1Char('.') + name))
            return false;
    }
    return true;
}

QString Download::NotConfiguredText()
{
    return tr("No download server is configured");
}

#include "Download.moc"
