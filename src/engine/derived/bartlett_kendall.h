#pragma once
// Bartlett-Kendall scores for testing whether samples differ in dispersion: the natural
// logarithm of each sample's variance (code 3), or of the variances of k random
// sub-samples of each sample (code 4, Bartlett-Kendall-Box), which gives every sample k
// scores that an analysis of variance can compare.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/derived/derived_columns.h"

namespace vostrel {

class Workspace;
struct SubgroupsQuestion;
class UserInterface;

// The "Generate BKB" question about the samples of two or more values.
SubgroupsQuestion MakeSubgroupsQuestion(const std::vector<DerivedSample>& samples);

// The answer of the minimum range question as typed: a positive number, or nothing.
std::optional<double> ReadMinimumRange(const std::string& text);

// Writes the scores of each sample of two or more values into its first rows (the g-th
// score into the g-th row of the sample). With `box` the user is asked for the number of
// subgroups, and the values are shuffled with the random generator, re-seeded from the
// clock or from `seed`. A zero variance asks once for a minimum range R and scores
// ln(R² / m). The questions go to `questions`. Cancelled or Refused (an answer out of range) leave
// the column unusable.
DeriveResult BartlettKendallScores(Workspace& ws, UserInterface& questions,
                                   const std::vector<DerivedSample>& samples, bool box,
                                   std::optional<std::uint64_t> seed, DerivedColumn& column);

}  // namespace vostrel
