#include "model/ProgramRandomSource.h"

#include <juce_core/juce_core.h>

CJuceRandomSource::CJuceRandomSource() : m_random(juce::Random::getSystemRandom())
{}

int CJuceRandomSource::NextInt(int n)
{
    return m_random.nextInt(n);
}

float CJuceRandomSource::NextFloat()
{
    return m_random.nextFloat();
}
