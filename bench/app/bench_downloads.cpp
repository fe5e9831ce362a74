// Peak memory (resident set) and time of the program's download code against each hostile reply,
// every reply in a child process of its own so that each peak is its own. The server runs in the
// same process on the loopback interface and holds the compressed body (at most 2 MB).
#include "about/ProductPicture.h"
#include "support/HostileReplies.h"
#include "support/LocalHttpServer.h"
#include "ui/Download.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QSignalSpy>

#include <cstdio>
#include <functional>

namespace {
using Behaviour = LocalHttpServer::Behaviour;
constexpr qint64 kVersionLimit = 256;
constexpr qint64 kLayoutLimit = 1024 * 1024;
constexpr qint64 kPictureLimit = 512 * 1024;
// The program's own deadlines for small and large files.
constexpr int kSmallDeadlineMs = 20000;
constexpr int kLargeDeadlineMs = 60000;
// A row still running after this long is reported as such.
constexpr int kGiveUpMs = 30000;

struct Row
{
    const char* name;
    std::function<LocalHttpServer::Response()> response;
    qint64 limit;
    int deadlineMs;
    bool picture;
};

QList<Row> Rows()
{
    using namespace HostileReplies;
    return {
        {"plain 3-byte version.txt", [] { return Reply(200, "1.4"); }, kVersionLimit, kSmallDeadlineMs, false},
        {"version.txt, gzip 512 MiB", [] { return Encoded(Compressed(512LL << 20, true), "gzip"); }, kVersionLimit,
            kSmallDeadlineMs, false},
        {"version.txt, gzip 2 GiB", [] { return Encoded(Compressed(2048LL << 20, true), "gzip"); }, kVersionLimit,
            kSmallDeadlineMs, false},
        {"layout, gzip 1 GiB", [] { return Encoded(Compressed(1024LL << 20, true), "gzip"); }, kLayoutLimit,
            kLargeDeadlineMs, false},
        {"layout, deflate 512 MiB", [] { return Encoded(Compressed(512LL << 20, false), "deflate"); }, kLayoutLimit,
            kLargeDeadlineMs, false},
        {"layout, 1 TB announced", [] { return WithLength("{}", 1LL << 40, Behaviour::Normal); }, kLayoutLimit,
            kLargeDeadlineMs, false},
        {"layout, no length, endless",
            [] { return WithLength(QByteArray(64 * 1024, 'x'), LocalHttpServer::kNoLength, Behaviour::Flood); },
            kLayoutLimit, kLargeDeadlineMs, false},
        {"version.txt, a byte every 100 ms", [] { return Reply(200, QByteArray(250, '1'), Behaviour::Drip); },
            kVersionLimit, kSmallDeadlineMs, false},
        {"picture, icon 16x16 holding a 20000x20000 PNG", [] { return Reply(200, IconHolding(PngBomb(20000, 8))); },
            kPictureLimit, kLargeDeadlineMs, true},
        {"picture, PNG 20000x20000", [] { return Reply(200, PngBomb(20000, 8)); }, kPictureLimit, kLargeDeadlineMs,
            true},
    };
}

qint64 PeakKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// Fetches the row's reply as the program does and prints: outcome, peak MiB, milliseconds.
int RunRow(const Row& row)
{
    LocalHttpServer server;
    server.Serve("file", row.response());
    QNetworkAccessManager manager;
    QElapsedTimer timer;
    timer.start();
    QNetworkReply* reply = Download::Get(&manager, QUrl(server.Url("file")), row.limit, row.deadlineMs);
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QString outcome = QStringLiteral("still running after %1 s").arg(kGiveUpMs / 1000);
    if (finished.wait(kGiveUpMs)) {
        QByteArray body;
        const bool taken = Download::Body(reply, &body);
        outcome = taken ? QStringLiteral("taken, %1 bytes").arg(body.size()) : QStringLiteral("refused");
        if (taken && row.picture)
            outcome = ProductPicture::Decode(body).isNull() ? QStringLiteral("picture refused")
                                                            : QStringLiteral("picture decoded");
    }
    std::printf("%s|%.0f|%lld\n", qPrintable(outcome), double(PeakKiB()) / 1024.0, timer.elapsed());
    std::fflush(stdout);
    std::_Exit(0); // a reply still running is not waited for
}
} // namespace

int main(int argc, char* argv[])
{
    const QList<Row> rows = Rows();
    if (argc > 1) {
        QGuiApplication app(argc, argv);
        const int index = QByteArray(argv[1]).toInt();
        return index >= 0 && index < rows.size() ? RunRow(rows.at(index)) : 1;
    }
    QCoreApplication app(argc, argv);
    std::printf("%-48s %-28s %10s %8s\n", "reply", "outcome", "peak MiB", "ms");
    for (int i = 0; i < rows.size(); i++) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(), {QString::number(i), "-platform", "offscreen"});
        child.waitForFinished(kGiveUpMs + 30000);
        const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split('|');
        std::printf("%-48s %-28s %10s %8s\n", rows.at(i).name, fields.value(0).constData(), fields.value(1).constData(),
            fields.value(2).constData());
    }
    return 0;
}
