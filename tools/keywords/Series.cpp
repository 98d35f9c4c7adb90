#include "Series.h"

#include <cmath>
#include <string>

#include "Require.h"

namespace keywords {

std::vector<int> Stepped(int start, const std::vector<StepRun>& runs)
{
    std::vector<int> values{start};
    for (const StepRun& run : runs) {
        Require(run.step > 0 && (run.upTo - values.back()) % run.step == 0 && run.upTo > values.back(),
                "step run does not land on " + std::to_string(run.upTo));
        while (values.back() < run.upTo)
            values.push_back(values.back() + run.step);
    }
    return values;
}

std::vector<double> Growing(double low, double high, int count, double bend)
{
    Require(count >= 2 && bend > 0 && high > low, "bad curve");
    std::vector<double> values;
    const double scale = (high - low) / std::expm1(bend);
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / (count - 1);
        values.push_back(i == count - 1 ? high : low + scale * std::expm1(bend * t));
    }
    return values;
}

}  // namespace keywords
