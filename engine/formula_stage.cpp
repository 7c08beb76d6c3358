#include "engine/formula_stage.h"

namespace zuvo {

StageOutcome RunFormulaStage(std::u16string&, std::vector<BracketPair>&, std::size_t, int) {
  return StageOutcome::kNone;
}

}  // namespace zuvo
