#include "ui/Download.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QUrl>

namespace {
const char* const kMaxBytesProperty = "driverMaxBytes";
const char* const kTooLargeProperty = "driverTooLarge";
constexpr int kHttpOk = 200;
} // namespace

QNetworkReply* Download::Get(QNetworkAccessManager* manager, const QUrl& url, qint64 maxBytes, int timeoutMs)
{
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setTransferTimeout(timeoutMs);
    QNetworkReply* reply = manager->get(request);
    reply->setProperty(kMaxBytesProperty, maxBytes);
    // Without this cap a hostile server could fill the memory before the reply finishes: the
    // announced length is checked as soon as the headers arrive, the received bytes with every
    // chunk (progress signals are throttled, chunks are not).
    const auto cut = [reply, maxBytes](qint64 bytes) {
        if (bytes > maxBytes && reply->isRunning()) {
            reply->setProperty(kTooLargeProperty, true);
            reply->abort();
        }
    };
    QObject::connect(reply, &QNetworkReply::metaDataChanged, reply,
        [reply, cut] { cut(reply->header(QNetworkRequest::ContentLengthHeader).toLongLong()); });
    QObject::connect(reply, &QNetworkReply::readyRead, reply, [reply, cut] { cut(reply->bytesAvailable()); });
    return reply;
}

bool Download::Body(QNetworkReply* reply, QByteArray* body)
{
    body->clear();
    if (reply->error() != QNetworkReply::NoError || reply->property(kTooLargeProperty).toBool())
        return false;
    if (reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() != kHttpOk)
        return false;
    const qint64 maxBytes = reply->property(kMaxBytesProperty).toLongLong();
    // The body may have arrived in one piece before the cap could act.
    QByteArray data = reply->read(maxBytes + 1);
    if (data.size() > maxBytes)
        return false;
    *body = std::move(data);
    return true;
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
