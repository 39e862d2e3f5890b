#pragma once
// Everything the rest of the program needs from the special functions and the
// probability distributions, in one include.

#include "engine/stats/chi_square.h"
#include "engine/stats/elementary_functions.h"
#include "engine/stats/f_distribution.h"
#include "engine/stats/gamma_beta.h"
#include "engine/stats/normal_distribution.h"
#include "engine/stats/quantile_refinement.h"
#include "engine/stats/stat_error.h"
#include "engine/stats/student_t.h"
#include "engine/stats/tail_mode.h"
