#pragma once
// Number series behind the generated lists.
#include <vector>

namespace keywords {

// One run of equal steps: add `step` until `upTo` is reached.
struct StepRun
{
    int step;
    int upTo;
};

// start, then each run in turn; every run must land exactly on its end.
std::vector<int> Stepped(int start, const std::vector<StepRun>& runs);

// `count` values from `low` to `high` that grow by a constant factor
// (`bend` > 0): fine steps at the low end, coarse ones at the high end.
// A bend of ln(high / low) gives a geometric series.
std::vector<double> Growing(double low, double high, int count, double bend);

}  // namespace keywords
