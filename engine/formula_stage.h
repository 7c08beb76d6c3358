// The formula stage: calls of the formula functions (累加, 积分, …) are
// evaluated before anything inside them, since their formula must stay text.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/evaluator.h"

namespace zuvo {

enum class StageOutcome { kNone, kReplaced, kEndEvaluation };

// Tests the formula names in front of pair i and, when one matches, evaluates
// the call and replaces it in the work text (adjusting the pairs).
StageOutcome RunFormulaStage(std::u16string& work, std::vector<BracketPair>& pairs, std::size_t i,
                             int decimals);

}  // namespace zuvo
