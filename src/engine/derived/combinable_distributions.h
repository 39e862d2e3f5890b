#pragma once
// Combinable distributions: each sample re-centred on a random mean drawn with the size of
// its sampling error under the pooled variance, so that the samples can be pooled as one
// distribution without losing the overall mean.

#include <vector>

#include "engine/derived/sample_scores.h"

namespace vostrel {

class Workspace;

// Each valid row of sample g gets x - m_g + o_g, where o_g is the sample's random offset.
// Refuses with an error box, writing nothing, when no sample has two values (the pooled
// variance has no degrees of freedom). False when refused.
bool CombinableDistributionScores(Workspace& ws, const std::vector<DerivedSample>& samples,
                                  DerivedColumn& column);

}  // namespace vostrel
