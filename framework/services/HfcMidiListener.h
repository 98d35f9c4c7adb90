#pragma once
// What the port object tells its listeners, always on its own MIDI thread.
// Every operation is empty here, so a listener overrides only what it needs.
#include "framework/services/HfcMidiMessage.h"

#include <platform/types.h>

class CHfcMidi;

class CHfcMidiListener
{
public:
    virtual ~CHfcMidiListener() = default;

    // A short message as bytes.
    virtual void OnHfcMidiShortData(CHfcMidi* /*midi*/, int /*length*/, const BYTE* /*bytes*/) {}
    // The same short message as a message object.
    virtual void OnHfcMidiMessage(CHfcMidi* /*midi*/, const CHfcMidiMessage& /*message*/) {}
    // A completed System Exclusive message, F0 to F7 inclusive.
    virtual void OnHfcMidiSysExData(CHfcMidi* /*midi*/, int /*length*/, const BYTE* /*bytes*/) {}
    virtual void OnHfcMidiSysExMessage(CHfcMidi* /*midi*/, const CHfcMidiMessage& /*message*/) {}
    // count bytes from chunk on, of one received buffer, went into a System
    // Exclusive message.
    virtual void OnHfcMidiLongDataProgress(CHfcMidi* /*midi*/, int /*count*/, const BYTE* /*chunk*/) {}
    // A long send of bufferLength bytes has gone out.
    virtual void OnHfcMidiSendComplete(CHfcMidi* /*midi*/, int /*bufferLength*/) {}
    // A short message that came as a short-message event of the port.
    virtual void OnHfcMidiRawShortData(CHfcMidi* /*midi*/, int /*length*/, const BYTE* /*bytes*/) {}
    // Input came faster than it was taken and the port dropped this many
    // bytes since the last call; told once the flood is over.
    virtual void OnHfcMidiInputDropped(CHfcMidi* /*midi*/, ULONGLONG /*bytes*/) {}
};
