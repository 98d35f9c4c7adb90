#pragma once
// An open MIDI input port: the queue of long-message buffers, the parsing of
// the backend's byte stream, and the messages posted to the callback thread.
#include "port_base.h"
#include "stream_parser.h"

#include <deque>
#include <memory>

namespace platform::midi {

class InputPort final : public PortBase, private InputSink, private StreamEvents
{
public:
    InputPort(std::shared_ptr<Backend> backend, UINT index, DWORD callbackThread);
    ~InputPort() override;
    InputPort(const InputPort&) = delete;
    InputPort& operator=(const InputPort&) = delete;

    MMRESULT Open();
    MMRESULT AddBuffer(MIDIHDR* header, UINT headerSize);
    MMRESULT Start();
    MMRESULT Stop();
    MMRESULT Reset();
    MMRESULT Close();

private:
    MMRESULT Admit(PortCall call) override { return connection_->Admit(call); }
    void Receive(const BYTE* data, std::size_t size) override;
    void ReturnBuffer() override;
    void ShortMessage(DWORD packed) override;
    void SysExBytes(const BYTE* data, std::size_t size) override;
    void SysExEnded() override;

    // Hands back the buffer being filled when it holds bytes.
    void ReturnPartialBuffer();
    void ReturnFrontBuffer();
    void Post(UINT message, LPARAM lParam);

    std::unique_ptr<InputConnection> connection_;
    std::deque<MIDIHDR*> buffers_;  // the front one is being filled
    StreamParser parser_;
    bool started_ = false;
};

}  // namespace platform::midi
