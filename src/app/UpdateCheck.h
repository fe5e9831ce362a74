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
    static constexpr int kMaxNameLength = 64;

    // True when body is an index the Device Manager can read and every layout it lists has a plain
    // file name and a web address; *index then holds it. Anything else is logged and refused.
    static bool CheckIndex(const QByteArray& body, DeviceIndex* index);
    // True when body is a layout file the layout reader accepts.
    static bool CheckLayout(const QByteArray& body);
    // A name that becomes "./config/" + name + ".json" and so must stay a plain file name there.
    static bool IsPlainFileName(const QString& name);
};
