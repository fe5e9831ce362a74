#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QUrl;

// Fetches files from the download servers with the same guards everywhere: replies come
// uncompressed and never hold more than the size the caller expects, every request has a silence
// timeout and an overall deadline, and redirects are followed only when they are no less safe.
class Download final
{
    Q_DECLARE_TR_FUNCTIONS(Download)

public:
    // A request that receives nothing for this long is aborted.
    static constexpr int kSilenceTimeoutMs = 15000;
    // Whole-request deadlines: version texts and the firmware information are a few bytes, the
    // index, layouts, catalogue and pictures at most a megabyte.
    static constexpr int kSmallFileDeadlineMs = 20000;
    static constexpr int kLargeFileDeadlineMs = 60000;

    enum class Failure {
        None,
        // Connection refused, name not found, redirect loop, cut short...
        Network,
        // Silent for too long, or not finished by the deadline.
        TimedOut,
        // Announced or sent more than the caller takes.
        TooLarge,
        // Compressed although only plain bytes were asked for.
        Encoded,
        // Any HTTP status but 200.
        Status,
    };

    // GET url through manager; the reply is owned by the caller as usual (deleteLater). Nothing
    // beyond maxBytes + 1 is buffered; the request ends by itself after deadlineMs at the latest.
    static QNetworkReply* Get(
        QNetworkAccessManager* manager, const QUrl& url, qint64 maxBytes, int deadlineMs = kLargeFileDeadlineMs);
    // The body of a finished reply that succeeded with HTTP 200 within its size; false for anything
    // else (see Failure).
    static bool Body(QNetworkReply* reply, QByteArray* body);
    // Why a finished reply gives no body; None when Body() takes it.
    static Failure FailureOf(QNetworkReply* reply);
    // The reason of a failed reply in the user's words, for "Update failed: <reason>" and the like.
    static QString FailureText(QNetworkReply* reply);

    // base with name appended to its path, whether or not base ends with "/".
    static QUrl FileUrl(const QUrl& base, const QString& name);
    // Only http and https addresses with a host are fetched or opened; a downloaded "file:" or
    // custom-scheme address could read local files or start local programs.
    static bool IsWebUrl(const QUrl& url);
    // A web address of a real server: not one of the names kept for examples (example.com, .net,
    // .org and the names under them, .example, .invalid), which a build carries until its
    // packager sets real servers. Nothing is ever sent to any other.
    static bool IsConfigured(const QUrl& url);
    // What a feature says instead of contacting a server that is not configured.
    static QString NotConfiguredText();
};
