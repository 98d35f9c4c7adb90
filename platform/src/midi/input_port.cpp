#include "input_port.h"

#include "delivery.h"

#include <algorithm>
#include <cstring>

namespace platform::midi {

InputPort::InputPort(std::shared_ptr<Backend> backend, UINT index, DWORD callbackThread)
    : PortBase(std::move(backend), index, callbackThread)
{}

InputPort::~InputPort() = default;

MMRESULT InputPort::Open()
{
    return backend_->OpenInput(index_, *this, connection_);
}

MMRESULT InputPort::AddBuffer(MIDIHDR* header, UINT headerSize)
{
    return WhileOpen([&] {
        if (const MMRESULT refused = Admit(PortCall::AddBuffer))
            return refused;
        if (const MMRESULT refused = QueueHeader(header, headerSize))
            return refused;
        header->dwBytesRecorded = 0;
        buffers_.push_back(header);
        return MMRESULT{MMSYSERR_NOERROR};
    });
}

MMRESULT InputPort::Start()
{
    return WhileOpen([&] {
        if (const MMRESULT refused = Admit(PortCall::Start))
            return refused;
        started_ = true;
        return MMRESULT{MMSYSERR_NOERROR};
    });
}

MMRESULT InputPort::Stop()
{
    return WhileOpen([&] {
        if (const MMRESULT refused = Admit(PortCall::Stop))
            return refused;
        started_ = false;
        parser_.Reset();
        ReturnPartialBuffer();
        return MMRESULT{MMSYSERR_NOERROR};
    });
}

MMRESULT InputPort::Reset()
{
    return WhileOpen([&] {
        if (const MMRESULT refused = Admit(PortCall::Reset))
            return refused;
        started_ = false;
        parser_.Reset();
        while (!buffers_.empty())
            ReturnFrontBuffer();
        return MMRESULT{MMSYSERR_NOERROR};
    });
}

MMRESULT InputPort::Close()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_)
            return MMSYSERR_INVALHANDLE;
        if (const MMRESULT refused = Admit(PortCall::Close))
            return refused;
        if (!buffers_.empty())
            return MIDIERR_STILLPLAYING;
        closed_ = true;
    }
    // Outside the lock: a delivery in progress may be waiting for it.
    connection_.reset();
    return MMSYSERR_NOERROR;
}

void InputPort::Receive(const BYTE* data, std::size_t size)
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (closed_ || !started_)
        return;
    parser_.Feed(data, size, *this);
}

void InputPort::ReturnBuffer()
{
    std::lock_guard<std::mutex> lock(mutex_);
    if (!closed_ && started_)
        ReturnPartialBuffer();
}

void InputPort::ShortMessage(DWORD packed)
{
    Post(MM_MIM_DATA, static_cast<LPARAM>(packed));
}

void InputPort::SysExBytes(const BYTE* data, std::size_t size)
{
    // Bytes that find no buffer are lost, as with a driver that has none.
    while (size > 0 && !buffers_.empty()) {
        MIDIHDR* header = buffers_.front();
        const std::size_t room = header->dwBufferLength - header->dwBytesRecorded;
        const std::size_t taken = std::min(room, size);
        std::memcpy(header->lpData + header->dwBytesRecorded, data, taken);
        header->dwBytesRecorded += static_cast<DWORD>(taken);
        data += taken;
        size -= taken;
        if (header->dwBytesRecorded == header->dwBufferLength)
            ReturnFrontBuffer();
    }
}

void InputPort::SysExEnded()
{
    ReturnPartialBuffer();
}

void InputPort::ReturnPartialBuffer()
{
    if (!buffers_.empty() && buffers_.front()->dwBytesRecorded > 0)
        ReturnFrontBuffer();
}

void InputPort::ReturnFrontBuffer()
{
    MIDIHDR* header = buffers_.front();
    buffers_.pop_front();
    MarkHeaderDone(header);
    Post(MM_MIM_LONGDATA, reinterpret_cast<LPARAM>(header));
}

void InputPort::Post(UINT message, LPARAM lParam)
{
    PostToCallbackThread(callbackThread_, message, reinterpret_cast<WPARAM>(this), lParam);
}

}  // namespace platform::midi
