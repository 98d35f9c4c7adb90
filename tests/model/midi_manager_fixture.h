#pragma once
// A created MIDI manager beside the test device on fresh virtual ports, with
// the localised texts loaded and a recording shell.
#include "framework/services/QRVResource.h"
#include "midi_host_fake.h"
#include "model/MidiManager.h"
#include "support/DeviceSimulator.h"

#include <gtest/gtest.h>

#include <memory>

class MidiManagerFixture : public testing::Test
{
public:
    void SetUp() override
    {
        platform::testing::UseVirtualMidi();
        device = std::make_unique<DeviceSimulator>();
        ASSERT_TRUE(midi.Create("test"));
        manager = std::make_unique<CMidiManager>(&midi, &host);
        ASSERT_TRUE(manager->Create());
    }

    void TearDown() override
    {
        EXPECT_TRUE(midi.Destroy());
        manager.reset();
        device.reset();
        platform::testing::UseVirtualMidi();
    }

    void Connect()
    {
        ASSERT_TRUE(manager->OpenInPort(static_cast<int>(device->InPort())));
        ASSERT_TRUE(manager->OpenOutPort(static_cast<int>(device->OutPort())));
        ASSERT_TRUE(manager->IsReady());
    }

    CQRVResource strings;
    FakeMidiHost host;
    CHfcMidi midi;
    std::unique_ptr<DeviceSimulator> device;
    std::unique_ptr<CMidiManager> manager;
};
