#include "engine/value.h"

#include <cmath>

namespace zuvo {

Value Value::Shaped(int rows, int cols) {
  Value v;
  v.rows_ = static_cast<unsigned short>(rows);
  v.cols_ = static_cast<unsigned short>(cols);
  if (v.Size() > 1) v.many_.assign(v.Size(), 0.0);
  return v;
}

Kind Value::GetKind() const {
  if (rows_ == 0 || cols_ == 0) return kEmpty;
  if (rows_ == 1 && cols_ == 1) return kNumber;
  if (cols_ == 1) return kVector;
  if (rows_ == 1) return kArray;
  return kMatrix;
}

bool IsWhole(double x) { return std::isfinite(x) && std::trunc(x) == x; }

}  // namespace zuvo
