#pragma once
// Random sources for the randomizer tests: fixed answers, a script of typed
// draws that fails on a draw of the other kind, or a count over another source.
#include "model/ProgramRandomSource.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <vector>

// Every float is the same; every int is picked from n.
class FixedRandomSource : public IProgramRandomSource
{
public:
    FixedRandomSource(float value, std::function<int(int)> pick) : m_value(value), m_pick(std::move(pick)) {}

    int NextInt(int n) override
    {
        EXPECT_GE(n, 1);
        ++ints;
        return m_pick(n);
    }
    float NextFloat() override
    {
        ++floats;
        return m_value;
    }

    int ints = 0;
    int floats = 0;

private:
    float m_value;
    std::function<int(int)> m_pick;
};

inline FixedRandomSource LowestDraws()
{
    return {0.0f, [](int) { return 0; }};
}

// Just below 1, and the top of every int range.
inline FixedRandomSource HighestDraws()
{
    return {0.99999994f, [](int n) { return n - 1; }};
}

struct ScriptedDraw
{
    bool isFloat;
    float value;  // the float, or the int's value
    int n = 0;    // the range an int draw must be asked for
};

inline ScriptedDraw Float(float value)
{
    return {true, value};
}

inline ScriptedDraw Int(int value, int n)
{
    return {false, static_cast<float>(value), n};
}

class ScriptedRandomSource : public IProgramRandomSource
{
public:
    explicit ScriptedRandomSource(std::vector<ScriptedDraw> script) : m_script(std::move(script)) {}

    int NextInt(int n) override
    {
        const ScriptedDraw draw = Next();
        EXPECT_FALSE(draw.isFloat) << "draw " << m_next << " should be a float";
        EXPECT_EQ(draw.n, n) << "draw " << m_next;
        return static_cast<int>(draw.value);
    }
    float NextFloat() override
    {
        const ScriptedDraw draw = Next();
        EXPECT_TRUE(draw.isFloat) << "draw " << m_next << " should be an int";
        return draw.value;
    }
    bool Finished() const { return m_next == m_script.size(); }

private:
    ScriptedDraw Next()
    {
        if (m_next >= m_script.size()) {
            ADD_FAILURE() << "more draws than scripted";
            return {true, 0.0f};
        }
        return m_script[m_next++];
    }

    std::vector<ScriptedDraw> m_script;
    std::size_t m_next = 0;
};
