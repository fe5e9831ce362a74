#pragma once

#include <QByteArray>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Fetches files from the download servers with the same guards everywhere: every request has a
// transfer timeout, redirects are followed only when they are no less safe, and a transfer is cut
// off as soon as its body grows, or is announced, beyond the size the caller expects.
class Download final
{
public:
    // A request that receives nothing for this long is aborted.
    static constexpr int kTransferTimeoutMs = 30000;

    // GET url through manager; the reply is owned by the caller as usual (deleteLater).
    static QNetworkReply* Get(
        QNetworkAccessManager* manager, const QUrl& url, qint64 maxBytes, int timeoutMs = kTransferTimeoutMs);
    // The body of a finished reply that succeeded with HTTP 200 within its size; false for anything
    // else (network error, timeout, another status, a body cut off for its size).
    static bool Body(QNetworkReply* reply, QByteArray* body);

    // base with name appended to its path, whether or not base ends with "/".
    static QUrl FileUrl(const QUrl& base, const QString& name);
    // Only http and https addresses with a host are fetched or opened; a downloaded "file:" or
    // custom-scheme address could read local files or start local programs.
    static bool IsWebUrl(const QUrl& url);
};
