#include "engine/call_args.h"

#include "engine/literals.h"
#include "engine/operators.h"

namespace zuvo {

Value ReadExpression(const std::u16string& text, int decimals) { return EvaluateOperators(text, decimals); }
Value ReadLiteral(const std::u16string& text) { return ParseLiteral(text); }

}  // namespace zuvo
