#include <juce_events/juce_events.h>

int main()
{
    juce::initialiseJuce_GUI();
    juce::shutdownJuce_GUI();
    return 0;
}
