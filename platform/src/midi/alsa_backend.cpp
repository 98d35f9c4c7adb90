// Ports of the ALSA sequencer. The port list is read once, so indexes stay
// stable for the session; each open port has a sequencer client of its own,
// so that no handle is shared between threads.
#include "backend.h"
#include "stream_parser.h"

#include <alsa/asoundlib.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <thread>
#include <vector>

namespace platform::midi {

namespace {

constexpr const char* kClientName = "VQ-700Z Sound Editor";
// Bytes per sequencer event: longer System Exclusive goes out in pieces.
constexpr std::size_t kEventBytes = 256;

struct AlsaPort
{
    PortInfo info;
    int client = 0;
    int port = 0;
};

// A sequencer client that is closed with its owner.
class Sequencer
{
public:
    Sequencer(int streams, int mode)
    {
        if (snd_seq_open(&seq_, "default", streams, mode) < 0)
            seq_ = nullptr;
        else
            snd_seq_set_client_name(seq_, kClientName);
    }
    ~Sequencer()
    {
        if (seq_ != nullptr)
            snd_seq_close(seq_);
    }
    Sequencer(const Sequencer&) = delete;
    Sequencer& operator=(const Sequencer&) = delete;

    snd_seq_t* get() const { return seq_; }

private:
    snd_seq_t* seq_ = nullptr;
};

bool HasCaps(unsigned int caps, unsigned int wanted)
{
    return (caps & wanted) == wanted;
}

void Quiet(const char*, int, const char*, int, const char*, ...)
{}

// The ports others can read from (our inputs) and write to (our outputs),
// sorted by client and port, named without client numbers.
void ListPorts(std::vector<AlsaPort>& inputs, std::vector<AlsaPort>& outputs)
{
    // A machine without a sequencer simply has no ports: no complaint on stderr.
    snd_lib_error_set_handler(Quiet);
    Sequencer sequencer(SND_SEQ_OPEN_DUPLEX, 0);
    snd_lib_error_set_handler(nullptr);
    snd_seq_t* seq = sequencer.get();
    if (seq == nullptr)
        return;
    snd_seq_client_info_t* client;
    snd_seq_port_info_t* port;
    snd_seq_client_info_alloca(&client);
    snd_seq_port_info_alloca(&port);
    std::map<std::string, int> seen[2];
    const auto add = [&](std::vector<AlsaPort>& list, std::map<std::string, int>& names, AlsaPort entry) {
        // Two devices of one kind share a name; number the later ones.
        const int copies = ++names[entry.info.name];
        if (copies > 1)
            entry.info.name += " (" + std::to_string(copies) + ")";
        list.push_back(std::move(entry));
    };
    snd_seq_client_info_set_client(client, -1);
    while (snd_seq_query_next_client(seq, client) >= 0) {
        const int clientId = snd_seq_client_info_get_client(client);
        if (clientId == SND_SEQ_CLIENT_SYSTEM || clientId == snd_seq_client_id(seq))
            continue;
        snd_seq_port_info_set_client(port, clientId);
        snd_seq_port_info_set_port(port, -1);
        while (snd_seq_query_next_port(seq, port) >= 0) {
            const unsigned int caps = snd_seq_port_info_get_capability(port);
            if (caps & SND_SEQ_PORT_CAP_NO_EXPORT)
                continue;
            AlsaPort entry;
            entry.info.name = snd_seq_port_info_get_name(port);
            if (entry.info.name.empty())
                entry.info.name = snd_seq_client_info_get_name(client);
            entry.client = clientId;
            entry.port = snd_seq_port_info_get_port(port);
            if (HasCaps(caps, SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ))
                add(inputs, seen[0], entry);
            if (HasCaps(caps, SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE))
                add(outputs, seen[1], entry);
        }
    }
}

class AlsaInput final : public InputConnection
{
public:
    AlsaInput(InputSink& sink) : sink_(sink), sequencer_(SND_SEQ_OPEN_INPUT, SND_SEQ_NONBLOCK) {}

    MMRESULT Connect(const AlsaPort& source)
    {
        snd_seq_t* seq = sequencer_.get();
        if (seq == nullptr)
            return MMSYSERR_NODRIVER;
        const int port =
            snd_seq_create_simple_port(seq, "MIDI IN", SND_SEQ_PORT_CAP_WRITE | SND_SEQ_PORT_CAP_SUBS_WRITE,
                                       SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
        if (port < 0 || snd_seq_connect_from(seq, port, source.client, source.port) < 0)
            return MIDIERR_NODEVICE;
        if (snd_midi_event_new(kEventBytes, &decoder_) < 0)
            return MMSYSERR_NOMEM;
        snd_midi_event_no_status(decoder_, 1);
        wake_ = eventfd(0, EFD_CLOEXEC);
        if (wake_ < 0)
            return MMSYSERR_NOMEM;
        thread_ = std::thread([this] { ReadLoop(); });
        return MMSYSERR_NOERROR;
    }

    ~AlsaInput() override
    {
        if (thread_.joinable()) {
            const std::uint64_t one = 1;
            [[maybe_unused]] const ssize_t written = write(wake_, &one, sizeof one);
            thread_.join();
        }
        if (wake_ >= 0)
            close(wake_);
        if (decoder_ != nullptr)
            snd_midi_event_free(decoder_);
    }

private:
    void ReadLoop()
    {
        snd_seq_t* seq = sequencer_.get();
        std::vector<pollfd> fds(static_cast<std::size_t>(snd_seq_poll_descriptors_count(seq, POLLIN)) + 1);
        fds[0] = pollfd{wake_, POLLIN, 0};
        snd_seq_poll_descriptors(seq, fds.data() + 1, static_cast<unsigned int>(fds.size() - 1), POLLIN);
        for (;;) {
            if (poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR)
                return;
            if (fds[0].revents & POLLIN)
                return;
            snd_seq_event_t* event;
            int result;
            while ((result = snd_seq_event_input(seq, &event)) >= 0 || result == -ENOSPC) {
                if (result >= 0)
                    Forward(*event);
            }
            // A sequencer that has gone away: wait only for the close.
            if (result != -EAGAIN)
                fds.resize(1);
        }
    }

    void Forward(const snd_seq_event_t& event)
    {
        if (event.type == SND_SEQ_EVENT_SYSEX) {
            sink_.Receive(static_cast<const BYTE*>(event.data.ext.ptr), event.data.ext.len);
            return;
        }
        unsigned char bytes[16];
        const long size = snd_midi_event_decode(decoder_, bytes, sizeof bytes, &event);
        if (size > 0)
            sink_.Receive(bytes, static_cast<std::size_t>(size));
    }

    InputSink& sink_;
    Sequencer sequencer_;
    snd_midi_event_t* decoder_ = nullptr;
    int wake_ = -1;
    std::thread thread_;
};

// Sends through the stream parser, so that running status is expanded and a
// System Exclusive message may span several long buffers.
class AlsaOutput final : public OutputConnection, private StreamEvents
{
public:
    AlsaOutput() : sequencer_(SND_SEQ_OPEN_OUTPUT, 0) {}
    ~AlsaOutput() override
    {
        if (encoder_ != nullptr)
            snd_midi_event_free(encoder_);
    }

    MMRESULT Connect(const AlsaPort& destination)
    {
        snd_seq_t* seq = sequencer_.get();
        if (seq == nullptr)
            return MMSYSERR_NODRIVER;
        port_ = snd_seq_create_simple_port(seq, "MIDI OUT", SND_SEQ_PORT_CAP_READ | SND_SEQ_PORT_CAP_SUBS_READ,
                                           SND_SEQ_PORT_TYPE_MIDI_GENERIC | SND_SEQ_PORT_TYPE_APPLICATION);
        if (port_ < 0 || snd_seq_connect_to(seq, port_, destination.client, destination.port) < 0)
            return MIDIERR_NODEVICE;
        if (snd_midi_event_new(kEventBytes, &encoder_) < 0)
            return MMSYSERR_NOMEM;
        return MMSYSERR_NOERROR;
    }

    MMRESULT Write(const BYTE* data, std::size_t size) override
    {
        result_ = MMSYSERR_NOERROR;
        parser_.Feed(data, size, *this);
        return result_;
    }

private:
    void ShortMessage(DWORD packed) override
    {
        const BYTE bytes[3] = {static_cast<BYTE>(packed), static_cast<BYTE>(packed >> 8),
                               static_cast<BYTE>(packed >> 16)};
        snd_seq_event_t event;
        snd_seq_ev_clear(&event);
        snd_midi_event_reset_encode(encoder_);
        snd_midi_event_encode(encoder_, bytes, ShortMessageLength(bytes[0]), &event);
        if (event.type != SND_SEQ_EVENT_NONE)
            Output(event);
    }

    void SysExBytes(const BYTE* data, std::size_t size) override
    {
        for (std::size_t at = 0; at < size; at += kEventBytes) {
            snd_seq_event_t event;
            snd_seq_ev_clear(&event);
            snd_seq_ev_set_sysex(&event, static_cast<unsigned int>(std::min(kEventBytes, size - at)),
                                 const_cast<BYTE*>(data + at));
            Output(event);
        }
    }

    void SysExEnded() override {}

    void Output(snd_seq_event_t& event)
    {
        snd_seq_ev_set_source(&event, port_);
        snd_seq_ev_set_subs(&event);
        snd_seq_ev_set_direct(&event);
        if (snd_seq_event_output_direct(sequencer_.get(), &event) < 0)
            result_ = MIDIERR_NODEVICE;
    }

    Sequencer sequencer_;
    snd_midi_event_t* encoder_ = nullptr;
    int port_ = -1;
    StreamParser parser_;
    MMRESULT result_ = MMSYSERR_NOERROR;
};

class AlsaBackend final : public Backend
{
public:
    AlsaBackend() { ListPorts(inputs_, outputs_); }

    UINT Count(Direction direction) override { return static_cast<UINT>(Ports(direction).size()); }

    bool Info(Direction direction, UINT index, PortInfo& info) override
    {
        const std::vector<AlsaPort>& ports = Ports(direction);
        if (index >= ports.size())
            return false;
        info = ports[index].info;
        return true;
    }

    MMRESULT OpenInput(UINT index, InputSink& sink, std::unique_ptr<InputConnection>& connection) override
    {
        if (index >= inputs_.size())
            return MMSYSERR_BADDEVICEID;
        auto input = std::make_unique<AlsaInput>(sink);
        if (const MMRESULT refused = input->Connect(inputs_[index]))
            return refused;
        connection = std::move(input);
        return MMSYSERR_NOERROR;
    }

    MMRESULT OpenOutput(UINT index, std::unique_ptr<OutputConnection>& connection) override
    {
        if (index >= outputs_.size())
            return MMSYSERR_BADDEVICEID;
        auto output = std::make_unique<AlsaOutput>();
        if (const MMRESULT refused = output->Connect(outputs_[index]))
            return refused;
        connection = std::move(output);
        return MMSYSERR_NOERROR;
    }

private:
    const std::vector<AlsaPort>& Ports(Direction direction) const
    {
        return direction == Direction::In ? inputs_ : outputs_;
    }

    std::vector<AlsaPort> inputs_;
    std::vector<AlsaPort> outputs_;
};

}  // namespace

std::shared_ptr<Backend> MakeAlsaBackend()
{
    return std::make_shared<AlsaBackend>();
}

}  // namespace platform::midi
