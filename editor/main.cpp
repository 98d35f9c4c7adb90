#include <platform/display.h>

#include <juce_events/juce_events.h>

#include <cstdio>

int main()
{
    // Without a screen there is nothing to edit with: say so and stop.
    if (!platform::StartDisplay(platform::DisplayKind::Desktop)) {
        std::fprintf(stderr, "vq700z-editor: no display: %s\n", platform::DisplayFailure());
        return 1;
    }
    juce::initialiseJuce_GUI();
    juce::shutdownJuce_GUI();
    platform::StopDisplay();
    return 0;
}
