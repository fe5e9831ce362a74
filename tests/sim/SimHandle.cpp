#include "SimHandle.h"

#include "SimKeyboard.h"

namespace sim {

namespace {
const wchar_t* const kNoError = L"Success";
const wchar_t* const kUnplugged = L"The keyboard has been unplugged";
const wchar_t* const kClosed = L"The device handle has been closed";
const wchar_t* const kBadReport = L"An output report must be 64 bytes and start with report ID 1";
const wchar_t* const kBadBuffer = L"No buffer given";
} // namespace

SimHandle::CallScope::CallScope(SimHandle& handle)
    : m_handle(handle)
{
    if (m_handle.m_activeCalls.fetch_add(1) > 0) {
        m_handle.m_keyboard->recordOverlap();
    }
}

SimHandle::CallScope::~CallScope()
{
    m_handle.m_activeCalls.fetch_sub(1);
}

SimHandle::SimHandle(std::shared_ptr<SimKeyboard> keyboard, int interface)
    : m_keyboard(std::move(keyboard))
    , m_endpoint(m_keyboard->attachEndpoint(interface))
    , m_lastError(kNoError)
{ }

int SimHandle::write(const std::uint8_t* data, std::size_t length)
{
    CallScope call(*this);
    if (!data) {
        m_lastError = kBadBuffer;
        return -1;
    }
    const int result = m_keyboard->writeReport(m_endpoint, data, length);
    if (result < 0) {
        m_lastError = m_closed ? kClosed : !m_keyboard->isPlugged() ? kUnplugged : kBadReport;
    }
    return result;
}

int SimHandle::read(std::uint8_t* data, std::size_t length, int milliseconds)
{
    CallScope call(*this);
    if (!data) {
        m_lastError = kBadBuffer;
        return -1;
    }
    const int result = m_keyboard->readReport(m_endpoint, data, length, milliseconds);
    if (result < 0) {
        m_lastError = m_closed ? kClosed : kUnplugged;
    }
    return result;
}

void SimHandle::close()
{
    CallScope call(*this);
    if (!m_closed.exchange(true)) {
        m_keyboard->detachEndpoint(m_endpoint);
    }
}

const wchar_t* SimHandle::lastError() const
{
    return m_lastError;
}

const std::shared_ptr<SimKeyboard>& SimHandle::keyboard() const
{
    return m_keyboard;
}

} // namespace sim
