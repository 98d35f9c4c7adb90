#include "output_port.h"

#include "delivery.h"
#include "stream_parser.h"

namespace platform::midi {

OutputPort::OutputPort(std::shared_ptr<Backend> backend, UINT index, DWORD callbackThread)
    : PortBase(std::move(backend), index, callbackThread)
{}

OutputPort::~OutputPort()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    queued_.notify_all();
    if (writer_.joinable())
        writer_.join();
}

MMRESULT OutputPort::Open()
{
    if (const MMRESULT refused = backend_->OpenOutput(index_, connection_))
        return refused;
    writer_ = std::thread([this] { WriteLoop(); });
    return MMSYSERR_NOERROR;
}

MMRESULT OutputPort::ShortMsg(DWORD message)
{
    Item item;
    item.bytes[0] = static_cast<BYTE>(message);
    item.size = static_cast<std::size_t>(ShortMessageLength(item.bytes[0]));
    if (item.size == 0)
        return MMSYSERR_INVALPARAM;
    item.bytes[1] = static_cast<BYTE>(message >> 8);
    item.bytes[2] = static_cast<BYTE>(message >> 16);
    MMRESULT result = MMSYSERR_NOERROR;
    bool done = false;
    item.result = &result;
    item.done = &done;
    if (const MMRESULT refused = Enqueue(item))
        return refused;
    std::unique_lock<std::mutex> lock(mutex_);
    written_.wait(lock, [&] { return done; });
    return result;
}

MMRESULT OutputPort::LongMsg(MIDIHDR* header, UINT headerSize)
{
    if (header == nullptr)
        return MMSYSERR_INVALPARAM;
    Item item;
    item.header = header;
    return Enqueue(item, headerSize);
}

MMRESULT OutputPort::Enqueue(const Item& item, UINT headerSize)
{
    return WhileOpen([&] {
        if (item.header != nullptr) {
            if (const MMRESULT refused = QueueHeader(item.header, headerSize))
                return refused;
        }
        if (const MMRESULT refused = Admit(PortCall::Send)) {
            if (item.header != nullptr)
                item.header->dwFlags &= ~MHDR_INQUEUE;
            return refused;
        }
        queue_.push_back(item);
        ++pending_;
        queued_.notify_one();
        return MMRESULT{MMSYSERR_NOERROR};
    });
}

MMRESULT OutputPort::Close()
{
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (closed_)
            return MMSYSERR_INVALHANDLE;
        if (const MMRESULT refused = Admit(PortCall::Close))
            return refused;
        if (pending_ > 0)
            return MIDIERR_STILLPLAYING;
        closed_ = true;
        stopping_ = true;
    }
    queued_.notify_all();
    writer_.join();
    connection_.reset();
    return MMSYSERR_NOERROR;
}

void OutputPort::WriteLoop()
{
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        queued_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty())
            return;
        const Item item = queue_.front();
        queue_.pop_front();
        lock.unlock();
        const BYTE* data = item.header ? reinterpret_cast<const BYTE*>(item.header->lpData) : item.bytes;
        const std::size_t size = item.header ? item.header->dwBufferLength : item.size;
        const MMRESULT result = connection_->Write(data, size);
        lock.lock();
        if (item.header != nullptr) {
            MarkHeaderDone(item.header);
            PostToCallbackThread(callbackThread_, MM_MOM_DONE, reinterpret_cast<WPARAM>(this),
                                 reinterpret_cast<LPARAM>(item.header));
        } else {
            *item.result = result;
            *item.done = true;
            written_.notify_all();
        }
        --pending_;
    }
}

}  // namespace platform::midi
