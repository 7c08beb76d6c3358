// The formula stage: calls of the formula functions (累加, 积分, …) are
// evaluated before anything inside them, since their formula must stay text.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "engine/evaluator.h"

namespace zuvo {

enum class StageOutcome { kNone, kReplaced, kEndEvaluation };

// Tests the formula names in front of pair i and, when one matches, evaluates
// the call and replaces it in the work text (adjusting the pairs).
// False when the text holds no formula function name at all, so that a pass
// over many brackets can skip the stage.
bool MayHoldFormulaCall(std::u16string_view text);

StageOutcome RunFormulaStage(std::u16string& work, std::vector<BracketPair>& pairs, std::size_t i,
                             int decimals);

}  // namespace zuvo
