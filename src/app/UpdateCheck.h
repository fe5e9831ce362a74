#pragma once

#include <QByteArray>
#include <QString>

class DeviceIndex;

// Decides whether a file fetched by the online update may replace the local one. Only bytes in,
// verdict out, so that any content a server can send can be tried against it without a server.
class UpdateCheck final
{
public:
    // The same limit as the local readers of the index and the layouts.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    // An index naming more layouts than this is not a real one.
    static constexpr int kMaxLayouts = 64;

    // True when body is an index the Device Manager reads (its names checked there) and every
    // layout it lists has a web address; *index then holds it. Anything else is logged and refused.
    static bool CheckIndex(const QByteArray& body, DeviceIndex* index);
    // True when body is a layout file the layout reader accepts.
    static bool CheckLayout(const QByteArray& body);
};
