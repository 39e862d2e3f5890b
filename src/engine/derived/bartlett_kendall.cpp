#include "engine/derived/bartlett_kendall.h"

#include <algorithm>
#include <cmath>

#include "engine/data/data_list.h"
#include "engine/data/text_rules.h"
#include "engine/report/number_format.h"
#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

namespace {

// For i = 1..n, swaps value i with value j, j drawn uniformly from 1..n - 1.
void Shuffle(RandomGenerator& random, std::vector<double>& values) {
    const auto n = values.size();
    if (n < 2) return;
    for (std::size_t i = 0; i < n; ++i) {
        auto j = static_cast<std::size_t>(random.Uniform() * static_cast<double>(n - 1));
        j = std::min(j, n - 2);
        std::swap(values[i], values[j]);
    }
}

// The variance of values[first, last) (divisor count - 1). Computed about the mean, so that
// equal values give exactly 0 rather than a rounding remainder whose logarithm is
// meaningless.
long double SubsampleVariance(SampleArray& a, SampleStats& s, const std::vector<double>& values,
                              std::size_t first, std::size_t last) {
    a.Clear();
    a.MaxSizeA_Array(static_cast<int>(last - first));
    for (std::size_t i = first; i < last; ++i) a.Append(values[i]);
    ComputeMeanStd(a, s);
    return std::max(s.Variance, 0.0L);
}

class ScoreWriter {
  public:
    explicit ScoreWriter(UserInterface& questions) : questions_(questions) {}

    // The score of a sub-sample of nominal size m; false when the user cancelled.
    bool Score(long double variance, int m, const std::string& sampleName, long double& score) {
        if (variance > 0) {
            score = std::log(variance);
            return true;
        }
        if (!haveRange_) {
            const std::optional<double> answer =
                questions_.AskMinimumRange("Zero Variance in Run " + sampleName);
            if (!answer || !(*answer > 0)) return false;
            minimumRange_ = *answer;
            haveRange_ = true;
        }
        const long double r = minimumRange_;
        score = std::log(r * r / m);
        return true;
    }

  private:
    UserInterface& questions_;
    double minimumRange_ = 0;  // asked once per command
    bool haveRange_ = false;
};

}  // namespace

SubgroupsQuestion MakeSubgroupsQuestion(const std::vector<DerivedSample>& samples) {
    long double total = 0;
    int count = 0, smallest = 0, largest = 0;
    for (const DerivedSample& sample : samples) {
        const int n = sample.Count();
        if (n < 2) continue;
        total += n;
        smallest = count == 0 ? n : std::min(smallest, n);
        largest = std::max(largest, n);
        ++count;
    }
    const long double average = count > 0 ? total / count : 0;
    SubgroupsQuestion q;
    q.AverageText = "Avg Sample Size per Run = " + FormatFixedOrGeneral(NumberLocale{}, 1, average);
    q.MinimumText = "Min Sample Size per Run = " + std::to_string(smallest);
    q.MaximumText = "Max Sample Size per Run = " + std::to_string(largest);
    q.Largest = std::max(1, smallest / 2);
    q.Proposed = smallest > 5 ? RoundHalfEven(std::sqrt(static_cast<double>(average))) : 1;
    q.Proposed = std::clamp(q.Proposed, 1, q.Largest);
    return q;
}

std::optional<double> ReadMinimumRange(const std::string& text) {
    const std::optional<double> value = ReadNumber(TrimSpaces(text));
    if (!value || !(*value > 0) || !std::isfinite(*value)) return std::nullopt;
    return value;
}

DeriveResult BartlettKendallScores(Workspace& ws, UserInterface& questions,
                                   const std::vector<DerivedSample>& samples, bool box,
                                   std::optional<std::uint64_t> seed, DerivedColumn& column) {
    int k = 1;
    if (box) {
        if (seed)
            ws.random.Seed(*seed);
        else
            ws.random.Randomize();
        const SubgroupsQuestion question = MakeSubgroupsQuestion(samples);
        const bool anySample = std::any_of(samples.begin(), samples.end(),
                                           [](const DerivedSample& s) { return s.Count() >= 2; });
        if (anySample) {
            const std::optional<int> answer = questions.AskSubgroupsPerRun(question);
            if (!answer) return DeriveResult::Cancelled;
            if (*answer < 1 || *answer > question.Largest) {
                questions.ErrorBox("Enter a Number of Subgroups from 1 to " +
                                   std::to_string(question.Largest) + ".");
                return DeriveResult::Refused;
            }
            k = *answer;
        }
    }
    SampleArray a;
    SampleStats s;
    ScoreWriter writer(questions);
    for (const DerivedSample& sample : samples) {
        const int n = sample.Count();
        if (n < 2) continue;
        std::vector<double> values = sample.Values;
        const int m = k == 1 ? n : RoundHalfEven(static_cast<double>(n) / k);
        if (k > 1) Shuffle(ws.random, values);
        std::size_t start = 0;
        for (int g = 1; g <= k && start + 1 < values.size(); ++g) {
            // The last sub-sample takes every remaining value, so that none is left over
            // and none stands alone.
            std::size_t end = start + static_cast<std::size_t>(m);
            if (g == k || end + 1 >= values.size()) end = values.size();
            long double score = 0;
            if (!writer.Score(SubsampleVariance(a, s, values, start, end), m, sample.Name, score))
                return DeriveResult::Cancelled;
            if (static_cast<std::size_t>(g) <= sample.Rows.size())
                column[static_cast<std::size_t>(sample.Rows[static_cast<std::size_t>(g) - 1])] =
                    score;
            start = end;
        }
    }
    return DeriveResult::Added;
}

}  // namespace vostrel
