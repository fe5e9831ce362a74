#pragma once

#include <QLoggingCategory>
#include <QStringList>
#include <QtGlobal>

// Collects the debug lines of one logging category while it lives.
class LogCapture final
{
public:
    explicit LogCapture(const char* category)
        : m_category(category)
    {
        Current() = this;
        m_previous = qInstallMessageHandler(&LogCapture::Handle);
    }
    ~LogCapture()
    {
        qInstallMessageHandler(m_previous);
        Current() = nullptr;
    }
    QStringList Lines() const
    {
        return m_lines;
    }

private:
    static LogCapture*& Current()
    {
        static LogCapture* current = nullptr;
        return current;
    }
    static void Handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        LogCapture* self = Current();
        if (self != nullptr && context.category != nullptr && qstrcmp(context.category, self->m_category) == 0) {
            self->m_lines.append(message);
            return;
        }
        if (self != nullptr && self->m_previous != nullptr) {
            self->m_previous(type, context, message);
        }
    }

    const char* m_category;
    QtMessageHandler m_previous = nullptr;
    QStringList m_lines;
};
