// The bridge to a device played by another process, with a small peer that
// listens on a Unix socket and echoes what it receives.
#include "midi_fixture.h"

#include <platform/kernel.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

namespace midi_test {
namespace {

using namespace platform::testing;

// Listens at a fresh path; the first client gets the header and then an echo.
class EchoPeer
{
public:
    explicit EchoPeer(std::string header) : header_(std::move(header))
    {
        char folder[] = "/tmp/vq-midi-bridge-XXXXXX";
        folder_ = mkdtemp(folder);
        path_ = folder_ + "/peer.sock";
        listener_ = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, path_.c_str());
        bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(listener_, 1);
        thread_ = std::thread([this] { Serve(); });
    }
    ~EchoPeer()
    {
        shutdown(listener_, SHUT_RDWR);
        if (const int client = client_; client >= 0)
            shutdown(client, SHUT_RDWR);
        thread_.join();
        close(listener_);
        unlink(path_.c_str());
        rmdir(folder_.c_str());
    }

    const std::string& path() const { return path_; }

private:
    void Serve()
    {
        const int client = accept(listener_, nullptr, nullptr);
        if (client < 0)
            return;
        client_ = client;
        send(client, header_.data(), header_.size(), MSG_NOSIGNAL);
        char buffer[97];  // an odd size, so the echo comes back in pieces
        ssize_t got;
        while ((got = recv(client, buffer, sizeof buffer, 0)) > 0)
            send(client, buffer, static_cast<std::size_t>(got), MSG_NOSIGNAL);
        close(client);
    }

    std::string header_;
    std::string folder_;
    std::string path_;
    int listener_ = -1;
    std::atomic<int> client_{-1};
    std::thread thread_;
};

class BridgeTest : public ::testing::Test
{
protected:
    void SetUp() override { PostedNow(); }
    void TearDown() override
    {
        UseVirtualMidi();
        EXPECT_TRUE(PostedNow().empty());
    }
};

TEST_F(BridgeTest, SysExOf413BytesMakesTheRoundTrip)
{
    EchoPeer peer("Emulator IN\nEmulator OUT\n");
    UseMidiBridge(peer.path());
    ASSERT_EQ(midiInGetNumDevs(), 1u);
    ASSERT_EQ(midiOutGetNumDevs(), 1u);
    MIDIINCAPSA inCaps{};
    MIDIOUTCAPSA outCaps{};
    ASSERT_EQ(midiInGetDevCapsA(0, &inCaps, sizeof inCaps), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutGetDevCapsA(0, &outCaps, sizeof outCaps), MMSYSERR_NOERROR);
    EXPECT_STREQ(inCaps.szPname, "Emulator IN");
    EXPECT_STREQ(outCaps.szPname, "Emulator OUT");
    EXPECT_NE(outCaps.dwSupport & MIDICAPS_NO_DRIVER_IDS, 0u);

    HMIDIIN in = nullptr;
    HMIDIOUT out = nullptr;
    ASSERT_EQ(midiInOpen(&in, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);
    InputBuffers buffers(4, 128);
    buffers.AddAll(in);
    ASSERT_EQ(midiInStart(in), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutOpen(&out, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_NOERROR);

    std::vector<BYTE> message(413);
    for (std::size_t i = 0; i < message.size(); ++i)
        message[i] = static_cast<BYTE>(i * 7 % 128);
    message.front() = 0xF0;
    message.back() = 0xF7;
    MIDIHDR header{};
    header.lpData = reinterpret_cast<LPSTR>(message.data());
    header.dwBufferLength = static_cast<DWORD>(message.size());
    ASSERT_EQ(midiOutPrepareHeader(out, &header, sizeof header), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutShortMsg(out, 0x403C90), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutLongMsg(out, &header, sizeof header), MMSYSERR_NOERROR);

    std::vector<BYTE> echoed;
    bool sent = false, noteSeen = false;
    while (!sent || echoed.size() < message.size()) {
        const PortEvent event = NextEvent();
        ASSERT_NE(event.message, 0u) << "echo incomplete after " << echoed.size() << " bytes";
        if (event.message == MM_MOM_DONE) {
            sent = true;
        } else if (event.message == MM_MIM_DATA) {
            EXPECT_EQ(event.lParam, 0x403C90);
            EXPECT_TRUE(echoed.empty()) << "the note went out first";
            noteSeen = true;
        } else {
            ASSERT_EQ(event.message, UINT{MM_MIM_LONGDATA});
            const MIDIHDR& returned = *event.header();
            echoed.insert(echoed.end(), returned.lpData, returned.lpData + returned.dwBytesRecorded);
            ASSERT_EQ(midiInAddBuffer(in, event.header(), sizeof(MIDIHDR)), MMSYSERR_NOERROR);
        }
    }
    EXPECT_TRUE(noteSeen);
    EXPECT_EQ(echoed, message);

    EXPECT_EQ(midiOutUnprepareHeader(out, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(out), MMSYSERR_NOERROR);
    ASSERT_EQ(midiInReset(in), MMSYSERR_NOERROR);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(NextEvent().message, UINT{MM_MIM_LONGDATA});
    EXPECT_EQ(midiInClose(in), MMSYSERR_NOERROR);
}

TEST_F(BridgeTest, AnEmptyNameLineMeansNoPortInThatDirection)
{
    EchoPeer peer("Listener only\n\n");
    UseMidiBridge(peer.path());
    EXPECT_EQ(midiInGetNumDevs(), 1u);
    EXPECT_EQ(midiOutGetNumDevs(), 0u);
    HMIDIOUT out = nullptr;
    EXPECT_EQ(midiOutOpen(&out, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_BADDEVICEID);
}

TEST_F(BridgeTest, WithoutAPeerThereAreNoPorts)
{
    UseMidiBridge("/nonexistent/vq-midi-bridge.sock");
    EXPECT_EQ(midiInGetNumDevs(), 0u);
    EXPECT_EQ(midiOutGetNumDevs(), 0u);
    HMIDIIN in = nullptr;
    EXPECT_EQ(midiInOpen(&in, 0, GetCurrentThreadId(), 0, CALLBACK_THREAD), MMSYSERR_BADDEVICEID);
}

}  // namespace
}  // namespace midi_test
