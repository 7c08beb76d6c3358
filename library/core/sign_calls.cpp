// 相反 and 绝对值: element-wise sign operations on a value of any kind.
#include <optional>

#include "library/calls.h"
#include "library/core/arithmetic.h"

namespace zuvo {

std::optional<Value> CallNegate(const CallArgs& args) { return Negate(args.values.at(0)); }

std::optional<Value> CallAbsoluteValue(const CallArgs& args) {
  return AbsoluteValue(args.values.at(0));
}

}  // namespace zuvo
