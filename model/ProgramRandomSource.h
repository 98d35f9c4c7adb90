#pragma once
// Where the program randomizer's numbers come from, so tests can script them.
namespace juce {
class Random;
}

class IProgramRandomSource
{
public:
    virtual ~IProgramRandomSource() = default;
    // An integer from 0 to n - 1; n is at least 1.
    virtual int NextInt(int n) = 0;
    // A number in [0, 1).
    virtual float NextFloat() = 0;
};

// The toolkit's 48-bit generator: the process-wide one, or one given.
class CJuceRandomSource final : public IProgramRandomSource
{
public:
    CJuceRandomSource();
    explicit CJuceRandomSource(juce::Random& random) : m_random(random) {}

    int NextInt(int n) override;
    float NextFloat() override;

private:
    juce::Random& m_random;
};
