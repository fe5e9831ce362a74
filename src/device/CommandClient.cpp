#include "device/CommandClient.h"

#include "device/DeviceSession.h"

CommandClient::CommandClient(DeviceSession* session, QObject* parent)
    : QObject(parent)
    , m_session(session)
{ }

CommandClient::~CommandClient()
{
    Close();
}

bool CommandClient::Send(tdu1 cmd, const QByteArray& payload, const CommandIntent& intent)
{
    return m_session && m_session->Send(this, cmd, payload, intent);
}

int CommandClient::Pending() const
{
    return m_session ? m_session->Ledger()->AwaitedOf(this).size() : 0;
}

void CommandClient::Close()
{
    if (m_session)
        m_session->Cancel(this);
}

DeviceSession* CommandClient::Session() const
{
    return m_session;
}
