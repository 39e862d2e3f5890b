#include "engine/derived/combinable_distributions.h"

#include <cmath>

#include "engine/stats/sample_statistics.h"
#include "engine/workspace.h"

namespace vostrel {

bool CombinableDistributionScores(Workspace& ws, const std::vector<DerivedSample>& samples,
                                  DerivedColumn& column) {
    SampleArray a;
    SampleStats s;
    std::vector<long double> means;
    long double pooledSS = 0, allSum = 0;
    long long df = 0, total = 0;
    for (const DerivedSample& sample : samples) {
        LoadSample(a, sample.Values);
        ComputeMeanStd(a, s);
        means.push_back(s.Mean);
        pooledSS += (sample.Count() - 1) * s.Variance;
        df += sample.Count() - 1;
        total += sample.Count();
        allSum += s.Sum;
    }
    if (df <= 0) {
        ws.ui.ErrorBox(
            "Combinable Distributions needs a sample with at least two values: the pooled "
            "variance cannot be estimated.");
        return false;
    }
    const long double pooledVariance = pooledSS / static_cast<long double>(df);
    std::vector<long double> offsets;
    long double weighted = 0;
    for (const DerivedSample& sample : samples) {
        const long double r = GaussRandom(ws.random) * std::sqrt(pooledVariance / sample.Count());
        offsets.push_back(r);
        weighted += sample.Count() * r;
    }
    const long double c = (weighted - allSum) / static_cast<long double>(total);
    for (std::size_t g = 0; g < samples.size(); ++g) {
        const DerivedSample& sample = samples[g];
        const long double offset = offsets[g] - c;
        for (std::size_t i = 0; i < sample.Values.size(); ++i)
            column[static_cast<std::size_t>(sample.ValueRows[i])] =
                sample.Values[i] - means[g] + offset;
    }
    return true;
}

}  // namespace vostrel
