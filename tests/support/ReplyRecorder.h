#pragma once

#include "device/DeviceTypes.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>

// Keeps a copy of every reply delivered through OnRecCmd-shaped signals: the payload pointer is
// only valid during the call.
class ReplyRecorder : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    QList<QPair<tdu1, QByteArray>> replies;

public slots:
    void Record(tdu1 cmd, tdu1* data, tdu2 length)
    {
        replies.append({cmd, QByteArray(reinterpret_cast<const char*>(data), length)});
    }
};
