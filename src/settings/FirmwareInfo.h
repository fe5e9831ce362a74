#pragma once

#include <QByteArray>
#include <QString>

// The firmware information file on the download server, in GBK with CR LF line ends:
//   [Device]=name
//   [Version]=1_0_5
//   [Desc]=one line of release notes   (any number of these)
class FirmwareInfo final
{
public:
    // Larger answers are no information file; the page stops reading beyond this.
    static constexpr qint64 kMaxFileSize = 64 * 1024;

    enum class Status {
        Ok,
        // The first line names no device, the body is empty or too large.
        NoDevice,
        // The second line is missing or names no version.
        NoVersion,
    };

    struct Result
    {
        Status status = Status::NoDevice;
        QString device;
        // Parts separated by "." ("1_0_5" in the file reads 1.0.5).
        QString version;
        // The [Desc] lines in file order, joined with CR LF.
        QString description;
    };

    static Result Parse(const QByteArray& body);
};
