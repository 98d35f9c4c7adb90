// Setting and formatting every parameter of a program, as a full editor
// refresh or a randomised program does.
#include "framework/services/EfStringTable.h"
#include "framework/services/HfcResourceFile.h"
#include "framework/services/ServiceSlots.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Every supported address of both timbres, in table order.
std::vector<ParameterAddress> SupportedAddresses(const CQ3917ProgramAccessor& accessor)
{
    std::vector<ParameterAddress> addresses;
    for (std::uint32_t group = 0; group < 9; ++group) {
        const std::uint32_t timbres = group == 1 || group == 2 || group == 4 ? 2 : 1;
        for (std::uint32_t timbre = 0; timbre < timbres; ++timbre)
            for (std::uint32_t index = 0; accessor.GetRow({group, index, timbre}) != nullptr; ++index)
                if (accessor.IsSupported({group, index, timbre}))
                    addresses.push_back({group, index, timbre});
    }
    return addresses;
}

class ProgramFixture : public benchmark::Fixture
{
public:
    void SetUp(const benchmark::State&) override
    {
        CHfcResourceFile file;
        if (file.OpenResource("STR", "Q3917StringTable.txt", 0))
            m_table.LoadFromFile(file);
        SetStringTable(&m_table);
        m_program.Clear();
        m_program.ResetOscControlMemory();
        m_addresses = SupportedAddresses(m_accessor);
    }
    void TearDown(const benchmark::State&) override { SetStringTable(nullptr); }

protected:
    CEfStringTable m_table;
    CQ3917ProgramAccessor m_accessor;
    CQ3917ProgramData m_program;
    std::vector<ParameterAddress> m_addresses;
};

BENCHMARK_F(ProgramFixture, SetEveryParameter)(benchmark::State& state)
{
    std::int32_t value = 0;
    for (auto _ : state) {
        for (const ParameterAddress& address : m_addresses)
            m_accessor.SetValue(&m_program, address, value);
        value = (value + 37) % 128;
        benchmark::DoNotOptimize(m_program.GetData());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(m_addresses.size()));
}

BENCHMARK_F(ProgramFixture, FormatEveryParameter)(benchmark::State& state)
{
    char text[64];
    for (auto _ : state) {
        for (const ParameterAddress& address : m_addresses) {
            m_accessor.GetValueText(&m_program, address, text, sizeof text);
            benchmark::DoNotOptimize(text);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(m_addresses.size()));
}

}  // namespace
